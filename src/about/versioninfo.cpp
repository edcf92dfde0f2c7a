#include "about/versioninfo.h"

#include "versioninfo_generated.h"

namespace VersionInfo {

std::optional<Blocks> ofProgram()
{
    const StringTable french { { "CompanyName", QStringLiteral(VELMORA_VI_COMPANY_NAME) },
        { "FileDescription", QStringLiteral(VELMORA_VI_FILE_DESCRIPTION) },
        { "FileVersion", QStringLiteral(VELMORA_VI_FILE_VERSION) },
        { "ProductVersion", QStringLiteral(VELMORA_VI_PRODUCT_VERSION) },
        { "ProductName", QStringLiteral(VELMORA_VI_PRODUCT_NAME) },
        { "OriginalFilename", QStringLiteral(VELMORA_VI_ORIGINAL_FILENAME) },
        { "InternalName", QStringLiteral(VELMORA_VI_INTERNAL_NAME) },
        { "LegalCopyright", QStringLiteral(VELMORA_VI_LEGAL_COPYRIGHT) },
        { "LegalTrademarks", QStringLiteral(VELMORA_VI_LEGAL_TRADEMARKS) },
        { "Comments", QStringLiteral(VELMORA_VI_COMMENTS) } };
    return Blocks { { QString::fromLatin1(FrenchBlock), french } };
}

} // namespace VersionInfo
