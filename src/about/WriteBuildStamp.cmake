# Writes the source that carries the build date and time. The moment in the
# comment makes every build's file differ, so neither Ninja nor the compiler
# cache can hand back an older object.
string(TIMESTAMP moment "%Y-%m-%dT%H:%M:%S")
file(WRITE ${OUT} "// Written at every build: ${moment}
#include \"about/BuildStamp.h\"

namespace korvane::about {

const char *BuildDate() { return __DATE__; }
const char *BuildTime() { return __TIME__; }

}  // namespace korvane::about
")
