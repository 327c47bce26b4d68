#include "engine/opening_library.h"

namespace engine {

bool LibFind()
{
    return false;
}

void LibChoose() { }

} // namespace engine
