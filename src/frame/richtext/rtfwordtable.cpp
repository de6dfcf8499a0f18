#include "richtext/rtfwordtable.h"

#include <string_view>
#include <unordered_map>

namespace vc::rtf {

namespace {

using Table = std::unordered_map<std::string_view, WordInfo>;

Table makeTable()
{
    Table t;
#define VC_RTF_WORD_ENTRY(name) t[#name].id = Word::name;
    VC_RTF_WORDS(VC_RTF_WORD_ENTRY)
#undef VC_RTF_WORD_ENTRY
    const std::pair<const char *, char16_t> specials[] = {
        {"tab", '\t'},         {"line", 0x2028},    {"emdash", 0x2014},  {"endash", 0x2013},
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"zwj", 0x200D},       {"zwnj", 0x200C},    {"zwbo", 0x200B},    {"zwnbo", 0xFEFF}};
    for (const auto &[name, c] : specials)
        t[name] = WordInfo{Word::Special, c, false};
    // Groups of no use for showing the document.
    for (const char *name : {"stylesheet",
                             "info",
                             "listtable",
                             "listoverridetable",
                             "revtbl",
                             "rsidtbl",
                             "generator",
                             "xmlnstbl",
                             "headerl",
                             "footerl",
                             "pgdsctbl",
                             "themedata",
                             "colorschememapping",
                             "latentstyles",
                             "datastore",
                             "objdata",
                             "nonshppict",
                             "template",
                             "docvar",
                             "bkmkstart",
                             "bkmkend",
                             "xe",
                             "tc",
                             "pn",
                             "annotation",
                             "atnid",
                             "atnauthor",
                             "atndate",
                             "atnref",
                             "comment",
                             "company",
                             "operator",
                             "title",
                             "author",
                             "keywords",
                             "doccomm",
                             "subject",
                             "mmathPr",
                             "ftnsep",
                             "ftnsepc",
                             "ftncn",
                             "aftnsep",
                             "aftnsepc",
                             "aftncn",
                             "userprops",
                             "wgrffmtfilter",
                             "blipuid",
                             "fldtype",
                             "formfield",
                             "datafield",
                             "objclass",
                             "objname",
                             "fchars",
                             "lchars",
                             "pgptbl",
                             "protusertbl",
                             "filetbl",
                             "listpicture",
                             "background",
                             "txe",
                             "rxe",
                             "private",
                             "panose",
                             "falt",
                             "fontemb",
                             "fontfile",
                             "ud",
                             "upr",
                             "passwordhash",
                             "mhtmltag",
                             "htmltag",
                             "ffdeftext",
                             "ffname",
                             "ffentrymcr",
                             "ffexitmcr",
                             "ffformat",
                             "ffhelptext",
                             "ffl",
                             "ffstattext",
                             "sp",
                             "sn",
                             "sv",
                             "factoidname",
                             "oldcprops",
                             "oldpprops",
                             "oldsprops",
                             "oldtprops",
                             "nonesttables",
                             "hlinkbase",
                             "bookmarkstart"})
        t[name].id = Word::Destination;
    for (const char *name : {"fldrslt", "nesttableprops", "shppict", "shprslt", "result",
                             "listtext", "pntext", "field", "object", "shp", "ftnalt", "shptxt"})
        t[name].kept = true;
    return t;
}

} // namespace

const WordInfo &lookUpWord(QByteArrayView w)
{
    static const Table table = makeTable();
    static const WordInfo unknown;
    const auto it = table.find(std::string_view(w.data(), size_t(w.size())));
    return it == table.end() ? unknown : it->second;
}

} // namespace vc::rtf
