#include "ModuleSession.h"

#include "SamplePresets.h"
#include "files/SafeFile.h"

namespace {

// Files at the root of the module's in-memory file system, which exists from
// the start, so no folder has to be made.
constexpr const char* kSamplePath = "/varnholt-sample.txt";
constexpr const char* kUserPath = "/varnholt-user.txt";

}  // namespace

WebSession& Session() {
  static WebSession session = [] {
    WriteFileSafely(kSamplePath, kSamplePresets);
    return WebSession(kSamplePath, kUserPath);
  }();
  return session;
}
