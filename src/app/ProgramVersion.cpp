#include "app/ProgramVersion.h"

// DEXTREL_VERSION comes from the project version in CMakeLists.txt, set on this file alone.
const char* ProgramVersion() {
    return DEXTREL_VERSION;
}
