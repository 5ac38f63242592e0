#include "app/serial_port_scan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

#include "app/data_dir.h"
#include "model/config_dir.h"
#include "transport/port_errors.h"

namespace dorvik {
namespace fs = std::filesystem;
namespace {

struct Candidate {
    std::string path;  // as found
    std::string real;  // with links resolved
    std::string byId;  // by-id name, when found there
    std::string problem;
};

// Kinds of /dev entries in listing order.
const char* const kTtyPrefixes[] = {"ttyUSB", "ttyACM", "ttyS"};

std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return {};
    std::string out(real);
    std::free(real);
    return out;
}

// Number after a prefix ("ttyUSB12" -> 12), -1 when the name is not prefix+digits.
int NumberAfter(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
    const std::string digits = name.substr(prefix.size());
    const auto digit = [](unsigned char ch) { return ch >= '0' && ch <= '9'; };
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), digit)) return -1;
    return std::stoi(digits);
}

std::vector<std::string> SortedNames(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

void AddByIdEntries(const std::string& root, std::vector<Candidate>& out) {
    const std::string dir = root + "/dev/serial/by-id";
    for (const auto& name : SortedNames(dir)) {
        const std::string path = dir + "/" + name;
        const std::string real = RealPath(path);
        if (!real.empty()) out.push_back({path, real, name, {}});
    }
}

void AddTtyEntries(const std::string& root, std::vector<Candidate>& out) {
    std::vector<std::tuple<int, int, std::string>> found;  // kind, number, name
    for (const auto& name : SortedNames(root + "/dev")) {
        for (int kind = 0; kind < 3; ++kind) {
            const int n = NumberAfter(name, kTtyPrefixes[kind]);
            if (n >= 0) found.emplace_back(kind, n, name);
        }
    }
    std::sort(found.begin(), found.end());
    for (const auto& [kind, n, name] : found) {
        const std::string path = root + "/dev/" + name;
        const std::string real = RealPath(path);
        if (!real.empty()) out.push_back({path, real, {}, {}});
    }
}

// A legacy serial name with no UART behind it: sysfs gives its type as 0.
bool NoUart(const std::string& root, const std::string& real) {
    const std::string name = fs::path(real).filename();
    if (NumberAfter(name, "ttyS") < 0) return false;
    std::ifstream type(root + "/sys/class/tty/" + name + "/type");
    int kind = -1;
    return (type >> kind) && kind == 0;
}

std::vector<Candidate> SerialDevices(const std::string& root, const OpenProbe& probe) {
    std::vector<Candidate> all;
    AddByIdEntries(root, all);
    AddTtyEntries(root, all);
    std::vector<Candidate> out;
    std::set<std::string> seen;
    for (auto& c : all) {
        if (!seen.insert(c.real).second || NoUart(root, c.real)) continue;
        if (const int err = probe(c.path)) c.problem = DescribeOpenError(c.path, err);
        out.push_back(std::move(c));
    }
    return out;
}

// Numbers of the existing comN links, with the device each resolves to
// (empty when the link dangles: its number stays taken for that device).
std::map<int, std::string> ExistingLinks(const std::string& configDir) {
    std::map<int, std::string> links;
    const std::string dir = JoinPath(configDir, "ports");
    for (const auto& name : SortedNames(dir)) {
        const int n = NumberAfter(name, "com");
        if (n >= 1 && n <= kMaxComPort) links[n] = RealPath(dir + "/" + name);
    }
    return links;
}

std::string ShownName(const Candidate& c) {
    const std::string base = fs::path(c.real).filename();
    return c.byId.empty() ? base : base + "  " + c.byId;
}

int LinkedNumber(const std::map<int, std::string>& links, const std::string& real) {
    for (const auto& [n, target] : links) {
        if (target == real) return n;
    }
    return 0;
}

// The number COMn names without a link (n+1 for ttyS<n>) when still free,
// else 0.
int ClaimSerialDefault(const Candidate& c, std::set<int>& taken) {
    const int n = NumberAfter(fs::path(c.real).filename(), "ttyS");
    if (n < 0 || n >= kMaxComPort || !taken.insert(n + 1).second) return 0;
    return n + 1;
}

// Gives each device the lowest number not yet taken.
void AddWithFreeNumbers(const std::vector<const Candidate*>& devices, std::set<int>& taken,
                        std::vector<AvailablePort>& ports) {
    int next = 1;
    for (const auto* c : devices) {
        while (next <= kMaxComPort && taken.count(next)) ++next;
        if (next > kMaxComPort) return;
        taken.insert(next);
        ports.push_back({next, c->path, ShownName(*c), c->problem});
    }
}

}  // namespace

int ProbeOpen(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

int ProbeOpenAsUser(const std::string& path) {
    struct stat st{};
    constexpr mode_t kReadWrite = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & kReadWrite) == 0) return EACCES;
    return ProbeOpen(path);
}

std::vector<AvailablePort> ScanSerialPorts(const std::string& root, const std::string& configDir,
                                           const OpenProbe& probe) {
    const auto links = ExistingLinks(configDir);
    std::set<int> taken;
    for (const auto& [n, target] : links) taken.insert(n);
    std::vector<AvailablePort> ports;
    std::vector<const Candidate*> rest;
    const auto devices = SerialDevices(root, probe);
    for (const auto& c : devices) {
        const int linked = LinkedNumber(links, c.real);
        const int n = linked ? linked : ClaimSerialDefault(c, taken);
        if (n) {
            ports.push_back({n, c.path, ShownName(c), c.problem});
        } else {
            rest.push_back(&c);
        }
    }
    AddWithFreeNumbers(rest, taken, ports);
    std::sort(ports.begin(), ports.end(),
              [](const AvailablePort& a, const AvailablePort& b) { return a.number < b.number; });
    return ports;
}

int NumberForDevice(const std::vector<AvailablePort>& ports, const std::string& configDir,
                    const std::string& device) {
    const std::string real = RealPath(device);
    std::set<int> taken;
    for (const auto& p : ports) {
        if (p.device == device || (!real.empty() && RealPath(p.device) == real)) return p.number;
        taken.insert(p.number);
    }
    std::error_code ec;
    for (const auto& [n, target] : ExistingLinks(configDir)) {
        // A link to a device that is not plugged in is matched by its text.
        if ((!real.empty() && target == real) ||
            fs::read_symlink(PortLinkPath(configDir, n), ec).string() == device)
            return n;
        taken.insert(n);
    }
    for (int n = 1; n <= kMaxComPort; ++n) {
        if (!taken.count(n)) return n;
    }
    return 0;
}

std::string PortLinkPath(const std::string& configDir, int number) {
    return JoinPath(JoinPath(configDir, "ports"), "com" + std::to_string(number));
}

bool WritePortLink(const std::string& configDir, int number, const std::string& device) {
    if (number < 1 || number > kMaxComPort || device.empty()) return false;
    if (!MakeDirs(JoinPath(configDir, "ports"))) return false;
    const std::string link = PortLinkPath(configDir, number);
    const std::string temp = link + ".new" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(device.c_str(), temp.c_str()) != 0) return false;
    if (std::rename(temp.c_str(), link.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace dorvik
