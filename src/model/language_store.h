#pragma once
// The user's language choice: one 32-bit number kept per user. Start-up and
// the language dialog read it; nothing else depends on it.
#include <cstdint>
#include <optional>
#include <string>

#include "model/atomic_file.h"

namespace dorvik {

class LanguageStore {
public:
    virtual ~LanguageStore() = default;
    // nullopt when no choice has been stored.
    virtual std::optional<std::uint32_t> Get() const = 0;
    // False when the choice could not be stored.
    virtual bool Set(std::uint32_t language) = 0;
};

// Keeps the number as decimal text in a file, by default ConfigDir()/language.
class FileLanguageStore : public LanguageStore {
public:
    FileLanguageStore();
    explicit FileLanguageStore(std::string path);

    const std::string& Path() const { return path_; }
    // nullopt also when the file holds anything but one number that fits.
    std::optional<std::uint32_t> Get() const override;
    bool Set(std::uint32_t language) override;

private:
    std::string path_;
};

}  // namespace dorvik
