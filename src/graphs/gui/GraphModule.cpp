// The graph module's entry point (kGraphModuleEntry): the graph drawing and its image files,
// built with Qt into a module of their own for the command-line tool.
#include "graphs/gui/GraphFiles.h"

extern "C" __attribute__((visibility("default"))) void tallmark_write_graph_files(
    const std::vector<tallmark::graphs::GraphPage>* pages, const std::string* firstPath,
    std::string* problem, std::vector<std::string>* written) {
  *written = tallmark::graphs::WriteGraphFiles(*pages, *firstPath, *problem);
}
