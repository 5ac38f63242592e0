#pragma once
// The sections of the project file: their element names in file order, the
// function that fills each from the model and the one that reads it back.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/unit_model.h"
#include "model/xml_node.h"

namespace dorvik {

// A load moves the progress bar from 0 to this value.
inline constexpr int kProjectProgressEnd = 5;

struct ProjectSectionWriter {
    const char* name;
    // Adds the section's children; false when an element cannot be created.
    bool (*write)(XmlNode& section, const UnitModel& model);
};

struct ProjectSectionReader {
    const char* name;
    // Returns how many records held something but did not fit the list.
    int (*read)(const XmlNode& section, UnitModel& model);
    int progressAfter;  // progress bar position once read; 0 leaves it
};

// The six sections in file order.
std::span<const ProjectSectionWriter> ProjectSections();
// The sections in the order a load reads them.
std::span<const ProjectSectionReader> ProjectReadOrder();

// A settings record's stored fields as (element name, text) pairs in file
// order, and one of them set from its text (false for an unknown name):
// for renderings of a project other than the file (command-line JSON).
template <class Relay>
std::vector<std::pair<std::string, std::string>> SettingsFieldTexts(
    const SettingsFields<Relay>& record);
template <class Relay>
bool SetSettingsFieldText(SettingsFields<Relay>& record, std::string_view name,
                          const std::string& text);

}  // namespace dorvik
