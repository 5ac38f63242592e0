#include "app/core_patterns.h"

#include <QtGlobal>
#include <array>

namespace dorvik {
namespace {

// One row per way the core puts a text together; the translation of each
// form keeps its "%1" and "%2".
constexpr std::array kPatterns = {
    QT_TRANSLATE_NOOP("DORVIK", "Cannot open COM%1"),
    QT_TRANSLATE_NOOP("DORVIK", "ID:%1 is connected..."),
    QT_TRANSLATE_NOOP("DORVIK", "Used %1/%2"),
    QT_TRANSLATE_NOOP("DORVIK", "Error Response, %1"),
    QT_TRANSLATE_NOOP("DORVIK", "Error %1"),
    QT_TRANSLATE_NOOP("DORVIK", "rows %1, %2"),
    QT_TRANSLATE_NOOP("DORVIK", "The sheet which name is %1 is null"),
    QT_TRANSLATE_NOOP("DORVIK", "WARNING:  %1 Failed with the following error: "),
    QT_TRANSLATE_NOOP("DORVIK", "Port: %1"),
    QT_TRANSLATE_NOOP("DORVIK", "Add your user to the \"dialout\" group (sudo usermod -aG dialout "
                                "$USER) and log in again."),
    QT_TRANSLATE_NOOP("DORVIK", "%1: not a serial device"),
    QT_TRANSLATE_NOOP("DORVIK", "Baud rate %1 is not supported; 9600 is used"),
    QT_TRANSLATE_NOOP("DORVIK", "Parity '%1' is not supported; no parity is used"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 data bits are not supported; 8 are used"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 stop bits are not supported; 1 is used"),
    QT_TRANSLATE_NOOP("DORVIK", "Duplicate header row field:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "Invalid sheet name:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "Too many rows or columns for the sheet:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "The sheet does not exist:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "The sheet already exists:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "The sheet is not a worksheet:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "The workbook holds a sheet that cannot be kept:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "A cell text is longer than 32767 characters in sheet:%1\n"),
    QT_TRANSLATE_NOOP("DORVIK", "Unable to open hyperlink:\n\n%1"),
    QT_TRANSLATE_NOOP("DORVIK", "Unknown Error (%1) occurred."),
    QT_TRANSLATE_NOOP("DORVIK", "The project could not be saved to\n%1\n\n%2"),
    QT_TRANSLATE_NOOP("DORVIK", "The project could not be opened from\n%1\n\n%2"),
    QT_TRANSLATE_NOOP("DORVIK", "Save the changes to the %1?"),
    QT_TRANSLATE_NOOP("DORVIK",
                      "Unsupported file type %1: use .xlsx, .ods, .xls, .csv, .txt or .tsv"),
    QT_TRANSLATE_NOOP("DORVIK",
                      "The device belongs to the group \"%1\": add your user to it "
                      "(sudo usermod -aG %2 $USER) and log in again."),
    QT_TRANSLATE_NOOP("DORVIK", "cannot create a temporary file beside %1: %2"),
    QT_TRANSLATE_NOOP("DORVIK", "cannot open %1: %2"),
    QT_TRANSLATE_NOOP("DORVIK", "cannot read %1: %2"),
    QT_TRANSLATE_NOOP("DORVIK", "cannot write %1: %2"),
    QT_TRANSLATE_NOOP("DORVIK", "cannot replace %1: %2"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 is not a regular file"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 is too large for a project file"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 is too large"),
    QT_TRANSLATE_NOOP("DORVIK",
                      "%1 holds %2 entries beyond what the lists and the log can keep; they are "
                      "not loaded, and saving over the file would lose them."),
    QT_TRANSLATE_NOOP("DORVIK", "%1: line %2: %3"),
};

// The run meter's text beside the progress bar. Apart from the forms above:
// "%1 of %2" would take apart any message or path holding " of ".
constexpr std::array kRunMeterForms = {
    QT_TRANSLATE_NOOP("DORVIK", "%1 of %2, %3 left"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 of %2"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 line received"),
    QT_TRANSLATE_NOOP("DORVIK", "%1 lines received"),
};

}  // namespace

std::span<const char* const> CorePatterns() {
    return kPatterns;
}

std::span<const char* const> RunMeterForms() {
    return kRunMeterForms;
}

}  // namespace dorvik
