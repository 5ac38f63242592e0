// Export and import of 2000 phone rows (index, number, name) through the
// table layer, to .xls, .xlsx, .ods and .csv, beside python3-xlrd reading
// the same .xls and python3-openpyxl the same .xlsx (goal for .xlsx and
// .ods: under 30 ms each way and faster than openpyxl), and the same through
// the list exchange (a full phone list exported
// and imported into a fresh list). Prints the median of several runs in
// milliseconds.
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/text_codec.h"
#include "sheet/list_exchange.h"
#include "sheet/spreadsheet.h"
#include "scratch_dir.h"

namespace {

using dorvik::CSpreadSheet;

constexpr int kRows = 2000;
constexpr int kRuns = 15;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double TimeMs(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of this process: what the work costs on a busy machine.
double CpuMs(const std::function<void()>& work) {
    timespec a{}, b{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &a);
    work();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &b);
    return (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6;
}

// As a list export does it: one batch, header, a row per used slot.
void Export(const std::string& path) {
    std::filesystem::remove(path);
    CSpreadSheet sheet(path, "PhoneNumbers", true);
    sheet.StartBatch();
    sheet.SetHeaderRow({"Index", "Phone Number", "User Name", "In Unit"});
    std::string name = dorvik::Utf8ToGb("用户");
    for (int r = 0; r < kRows; ++r)
        sheet.PutRow({std::to_string(r + 1), std::to_string(13900000000LL + r), name + std::to_string(r), "0"}, r + 2, true);
    if (!sheet.WriteSheet()) std::fprintf(stderr, "export failed: %s", sheet.LastError().c_str());
}

// As a list import does it: every data row in turn.
size_t Import(const std::string& path) {
    CSpreadSheet sheet(path, "PhoneNumbers", false);
    std::vector<std::string> row;
    size_t cells = 0;
    for (int r = 2; r <= sheet.TotalRows() && sheet.GetRow(r, row); ++r) cells += row.size();
    return cells;
}

struct QuietProgress : dorvik::ProgressBar {
    void Show(int, int) override {}
    void SetPos(int) override {}
    void Hide() override {}
};

struct QuietBox : dorvik::MessageBox {
    dorvik::MsgAnswer Show(const std::string&, const std::string&, dorvik::MsgIcon, dorvik::MsgButtons) override {
        return dorvik::MsgAnswer::Ok;
    }
};

// Export and import of a full phone list through the list exchange.
void ListExchange(const std::string& path, std::vector<double>& out, std::vector<double>& in) {
    dorvik::ModifiedFlag flag;
    dorvik::PhoneList phones(flag);
    std::string name = dorvik::Utf8ToGb("用户");
    for (int r = 0; r < phones.Size(); ++r)
        phones.SetEntry(std::to_string(13900000000LL + r), name + std::to_string(r), r, dorvik::RowStatus::Pending);
    QuietProgress progress;
    QuietBox box;
    for (int i = 0; i < kRuns; ++i) {
        std::filesystem::remove(path);
        out.push_back(TimeMs([&] { dorvik::ExportPhoneList(phones, path, progress); }));
        dorvik::PhoneList back(flag);
        in.push_back(TimeMs([&] { dorvik::ImportPhoneList(back, path, dorvik::kPhoneSheet, progress, box); }));
    }
}

// The median time the peer library takes to open the workbook and read every
// row of the phone sheet, run by the system Python.
double PeerMs(const std::string& open, const std::string& rows) {
    std::string script =
        "import time, xlrd, openpyxl\n"
        "ts = []\n"
        "for _ in range(" + std::to_string(kRuns) + "):\n"
        "    t = time.perf_counter()\n"
        "    " + open + "\n"
        "    rows = " + rows + "\n"
        "    ts.append((time.perf_counter() - t) * 1000)\n"
        "print(sorted(ts)[len(ts) // 2])\n";
    std::string command = "/usr/bin/python3 -c \"" + script + "\"";
    double ms = -1;
    if (FILE* p = popen(command.c_str(), "r")) {
        if (std::fscanf(p, "%lf", &ms) != 1) ms = -1;
        pclose(p);
    }
    return ms;
}

double XlrdMs(const std::string& path) {
    return PeerMs("s = xlrd.open_workbook('" + path + "').sheet_by_name('PhoneNumbers')",
                  "[s.row_values(r) for r in range(1, s.nrows)]");
}

double OpenpyxlMs(const std::string& path) {
    return PeerMs("s = openpyxl.load_workbook('" + path + "', read_only=True)['PhoneNumbers']",
                  "[r for r in s.iter_rows(min_row=2, values_only=True)]");
}

}  // namespace

int main() {
    const dorvik::test::ScratchDir dir;
    if (dir.path().empty()) return 1;
    std::printf("sheet bench: %d phone rows, median of %d runs\n", kRows, kRuns);
    for (const char* name : {"phones.xls", "phones.xlsx", "phones.ods", "phones.csv"}) {
        std::string path = dir.File(name);
        std::vector<double> out, in, outCpu, inCpu;
        size_t cells = 0;
        for (int i = 0; i < kRuns; ++i) {
            outCpu.push_back(CpuMs([&] { out.push_back(TimeMs([&] { Export(path); })); }));
            inCpu.push_back(CpuMs([&] { in.push_back(TimeMs([&] { cells = Import(path); })); }));
        }
        std::printf("  %-11s export %7.2f ms (cpu %5.2f)   import %7.2f ms (cpu %5.2f)   (%zu cells read)\n",
                    name, Median(out), Median(outCpu), Median(in), Median(inCpu), cells);
    }
    for (const char* name : {"list.xls", "list.xlsx", "list.ods", "list.csv"}) {
        std::vector<double> out, in;
        ListExchange(dir.File(name), out, in);
        std::printf("  %-11s list export %5.2f ms   list import %5.2f ms\n", name, Median(out), Median(in));
    }
    std::printf("  %-11s xlrd read %5.2f ms\n", "phones.xls", XlrdMs(dir.File("phones.xls")));
    std::printf("  %-11s openpyxl read %5.2f ms\n", "phones.xlsx", OpenpyxlMs(dir.File("phones.xlsx")));
    return 0;
}
