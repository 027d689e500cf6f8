#include "preview/PovrayRestriction.h"

#include <filesystem>

#include "preview/PreviewFolder.h"

bool RestrictPovray(const PreviewFolder& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder.File(".povray/3.7"), error);
    return !error && folder.Write(".povray/3.7/povray.conf",
                                  "[File I/O Security]\n"
                                  "restricted\n"
                                  "\n"
                                  "[Shellout Security]\n"
                                  "forbidden\n"
                                  "\n"
                                  "[Permitted Paths]\n"
                                  "read* = %INSTALLDIR%\n"
                                  "read+write* = \"" +
                                      folder.Path() + "\"\n");
}
