#include "ui/frame/messages.h"

namespace hk {

Messages::~Messages() = default;

} // namespace hk
