#include "platform/TRegistry.h"

namespace quillon {

TRegistry::TRegistry() : storage_(RegFileStorage::defaultPath()), registry_(storage_) {}

} // namespace quillon
