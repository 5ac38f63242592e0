// Export and import of the lists between project files and spreadsheets.
#include "cli/commands.h"

namespace dorvik::cli {

int RunExport(CommandContext& c) { return c.Usage("export is not available yet"); }
int RunImport(CommandContext& c) { return c.Usage("import is not available yet"); }

}  // namespace dorvik::cli
