#pragma once
// The machinery shared by the number lists: a fixed number of slots, each
// with its texts and a RowStatus, the used counter, the selected row and the
// link to the Modified flag. Rows are 0-based; a row outside 0..Size()-1 is
// never read or written by any operation.
//
// Entry must provide a `RowStatus Status` member, `bool IsUsed() const`
// (the slot holds some text, for the used counter) and `void Clear()`
// (empties the texts).
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/modified_flag.h"
#include "model/row_status.h"

namespace dorvik {

// Which rows a search looks at.
enum class SearchScope { NotEmpty, PendingOnly };

template <class Entry>
class SlotTable {
public:
    SlotTable(const SlotTable&) = delete;
    SlotTable& operator=(const SlotTable&) = delete;

    int Size() const { return static_cast<int>(rows_.size()); }
    // Slots that hold any text.
    int Used() const { return used_; }
    bool InRange(int row) const { return row >= 0 && row < Size(); }
    // Empty for a row outside the list.
    RowStatus Status(int row) const { return InRange(row) ? rows_[row].status : RowStatus::Empty; }
    // The slot for display; a blank entry for a row outside the list.
    const Entry& Row(int row) const {
        static const Entry kBlank{};
        return InRange(row) ? rows_[row] : kBlank;
    }

    // Sets the status only (texts, counter and Modified stay).
    void SetRowStatus(int row, RowStatus status) {
        if (!InRange(row) || !IsValidRowStatus(status)) return;
        rows_[row].status = status;
        Changed();
    }

    void SelectRow(int row) {
        if (!InRange(row) || row == selected_) return;
        selected_ = row;
        if (changeHook_) changeHook_();
    }
    // -1 when no row is selected.
    int SelectedRow() const { return selected_; }

    // Grows with every change of size, texts or status, so that a view
    // knows when to redraw.
    std::uint64_t Revision() const { return revision_; }
    // Called after every change of rows or selection, also those made by the
    // reply handling, so that the page showing the list tells its view.
    // Null: nobody listens.
    void SetChangeHook(std::function<void()> hook) { changeHook_ = std::move(hook); }

protected:
    SlotTable(ModifiedFlag& modified, int size) : modified_(modified), rows_(Clamped(size)) {}

    void MarkModified() { modified_.Set(); }

    // Applies `change` to an in-range row and keeps the used counter right.
    template <class Change>
    void Edit(int row, Change&& change) {
        Entry& entry = rows_[row];
        const bool wasUsed = entry.IsUsed();
        std::forward<Change>(change)(entry);
        used_ += static_cast<int>(entry.IsUsed()) - static_cast<int>(wasUsed);
        Changed();
    }

    // Stores into a slot: `write` sets the texts, then the status is set and
    // Modified raised. False (nothing done) for a bad row or status.
    template <class Write>
    bool Store(int row, RowStatus status, Write&& write) {
        if (!InRange(row) || !IsValidRowStatus(status)) return false;
        Edit(row, [&](Entry& entry) {
            std::forward<Write>(write)(entry);
            entry.status = status;
        });
        MarkModified();
        return true;
    }

    // Deletes a slot on the PC: `erase` turns a non-empty slot into what the
    // next upload must send; an Empty slot is left as it is.
    template <class Erase>
    void EraseRow(int row, Erase&& erase) {
        if (!InRange(row)) return;
        if (rows_[row].status != RowStatus::Empty) Edit(row, std::forward<Erase>(erase));
        MarkModified();
    }

    // Empties every InUnit slot of rows first..end-1.
    void ClearInUnit(int first, int end) {
        for (int row = std::max(first, 0); row < std::min(end, Size()); ++row) {
            if (rows_[row].status != RowStatus::InUnit) continue;
            Edit(row, [](Entry& entry) {
                entry.Clear();
                entry.status = RowStatus::Empty;
            });
        }
        MarkModified();
    }

    // Lowest 1-based index whose `field` equals `text` among the rows in
    // `scope`; 0 when none.
    int FindText(std::string Entry::*field, std::string_view text, SearchScope scope) const {
        for (int row = 0; row < Size(); ++row) {
            const Entry& entry = rows_[row];
            if (InScope(entry.status, scope) && entry.*field == text) return row + 1;
        }
        return 0;
    }

    // Makes the list `size` slots long: the slots that fit keep what they
    // hold (a list typed or loaded before connecting is not lost), new ones
    // are Empty, the rest are dropped.
    void Resize(int size) {
        rows_.resize(Clamped(size));
        used_ = static_cast<int>(
            std::count_if(rows_.begin(), rows_.end(), [](const Entry& e) { return e.IsUsed(); }));
        if (!InRange(selected_)) selected_ = -1;
        Changed();
    }

private:
    void Changed() {
        ++revision_;
        if (changeHook_) changeHook_();
    }

    static std::size_t Clamped(int size) { return static_cast<std::size_t>(std::max(size, 0)); }

    static bool InScope(RowStatus status, SearchScope scope) {
        return scope == SearchScope::PendingOnly ? status == RowStatus::Pending
                                                 : status != RowStatus::Empty;
    }

    ModifiedFlag& modified_;
    std::vector<Entry> rows_;
    int used_ = 0;
    int selected_ = -1;
    std::uint64_t revision_ = 0;
    std::function<void()> changeHook_;
};

}  // namespace dorvik
