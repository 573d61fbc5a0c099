#include "locale_ids.h"

#include <cstdlib>

namespace lingo {
namespace {

struct LocaleRow {
    const char* name;
    uint32_t lcid;
};

// Each language's first row is the form used for that language alone.
const LocaleRow kLocales[] = {
    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409},
    {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"es_GT", 0x100A},
    {"es_CR", 0x140A}, {"es_PA", 0x180A}, {"es_DO", 0x1C0A}, {"es_VE", 0x200A}, {"es_CO", 0x240A},
    {"es_PE", 0x280A}, {"es_AR", 0x2C0A}, {"es_EC", 0x300A}, {"es_CL", 0x340A}, {"es_UY", 0x380A},
    {"es_PY", 0x3C0A}, {"es_BO", 0x400A}, {"es_SV", 0x440A}, {"es_HN", 0x480A}, {"es_NI", 0x4C0A},
    {"es_PR", 0x500A}, {"es_US", 0x540A}, {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C},
    {"fr_CH", 0x100C}, {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"it_IT", 0x0410},
    {"it_CH", 0x0810}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"nl_NL", 0x0413}, {"nl_BE", 0x0813},
    {"da_DK", 0x0406}, {"sv_SE", 0x041D}, {"nb_NO", 0x0414}, {"fi_FI", 0x040B}, {"pl_PL", 0x0415},
    {"cs_CZ", 0x0405}, {"hu_HU", 0x040E}, {"el_GR", 0x0408}, {"tr_TR", 0x041F}, {"ru_RU", 0x0419},
    {"ja_JP", 0x0411}, {"ko_KR", 0x0412}, {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04},
};

constexpr uint32_t kUsEnglish = 0x0409;

} // namespace

uint32_t lcidForLocale(const std::string& locale) {
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    const std::string language = name.substr(0, name.find('_'));
    const LocaleRow* first = nullptr;
    for (const LocaleRow& row : kLocales) {
        const std::string rowName = row.name;
        if (rowName == name) return row.lcid;
        if (!first && rowName.compare(0, rowName.find('_'), language) == 0) first = &row;
    }
    return first ? first->lcid : kUsEnglish;
}

std::string userLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return {};
}

} // namespace lingo
