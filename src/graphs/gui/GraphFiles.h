// Graph pages as image files: Windows metafile, bitmap, PNG, SVG or PDF by the file name's
// extension. This header has no Qt in it, so that the command-line tool's graph command can
// use it while the rest of the tool stays without Qt.
#pragma once

#include <string>
#include <vector>

#include "graphs/GraphPage.h"

namespace tallmark::graphs {

// Writes the page to path in the format of its extension (the whole file replaced). Needs a
// running QApplication. Returns true, or false with the system's error text in problem.
bool WriteGraphImage(const GraphPage& page, const std::string& path, std::string& problem);

// For a program without windows: writes each page to its file, the first to firstPath and each
// next one to the name with its counter increased; with more than one page a first name that
// does not end in "001" gets "001" added. Runs Qt on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise. Returns the names written; stops at the first failure, with
// its text in problem.
std::vector<std::string> WriteGraphFiles(const std::vector<GraphPage>& pages,
                                         const std::string& firstPath, std::string& problem);

// The command-line tool draws its graphs through a module of their own, opened when a graph is
// asked for, so that its other commands start without mapping Qt: the module's file name and the
// name of its one function, which calls WriteGraphFiles with written as the result.
inline constexpr const char* kGraphModuleFile = "tallmark-graphs.so";
inline constexpr const char* kGraphModuleEntry = "tallmark_write_graph_files";
using GraphModuleEntry = void (*)(const std::vector<GraphPage>* pages,
                                  const std::string* firstPath, std::string* problem,
                                  std::vector<std::string>* written);

}  // namespace tallmark::graphs
