#include "cli/CodePage.h"

#include "link/Cp1250.h"

namespace cli {

bool codePageReady(QTextStream& err)
{
    if (cp1250Available())
        return true;
    err << "sentrova-cli: the windows-1250 code page is missing (Qt was built without ICU); "
           "refusing to run rather than corrupt names."
        << Qt::endl;
    return false;
}

} // namespace cli
