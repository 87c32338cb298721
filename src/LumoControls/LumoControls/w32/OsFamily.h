// Whether the platform is of the NT family, whose menu windows announce themselves with message 0x1E2.
#pragma once

namespace lumo
{
bool IsNtFamily();
} // namespace lumo
