#include "app/ProgramState.h"

#include "scenefile/SceneKind.h"

int fileFilterIndex = PolygonFilter;
char lastDirectory[PathBufferSize] = "G:\\";
char settingsPath[PathBufferSize] = "Vexlin.ini";
std::string settingsFolder;

const char* const fileFilters[] = {"*.pol", "*.prm", "*.pol;*.prm", "*", "*.lat", "*.sor", nullptr};

static_assert(FilterOfKind(Polygon) == PolygonFilter && FilterOfKind(Prism) == PrismFilter &&
                  FilterOfKind(Lathe) == LatheFilter && FilterOfKind(Sor) == SorFilter,
              "each kind's files have their own filter");
static_assert(KindOfFilter(BothFilter) < 0 && KindOfFilter(AnyFileFilter) < 0,
              "the filters of several kinds and of any file choose none");
