#include "ui/messages.h"

namespace hk {

Messages::~Messages() = default;

} // namespace hk
