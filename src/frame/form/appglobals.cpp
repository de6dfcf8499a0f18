#include "form/appglobals.h"

namespace vc {

AppGlobals &app()
{
    static AppGlobals globals;
    return globals;
}

} // namespace vc
