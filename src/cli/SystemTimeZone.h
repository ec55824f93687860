#pragma once

namespace parlhora {

/// Without TZ the C library looks at /etc/localtime again at every local
/// time conversion; a one-shot run that converts hundreds of thousands of
/// times (a simulated day) takes the system zone once instead. Call before
/// the first conversion; a TZ set by the user is kept.
void takeSystemTimeZoneOnce();

}  // namespace parlhora
