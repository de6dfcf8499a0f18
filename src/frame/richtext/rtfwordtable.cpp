#include "richtext/rtfwordtable.h"

#include <array>
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

// Open addressing on a short hash: the words are looked up some hundred
// thousand times in a long document, the standard map's hash costs more
// than the rest of the dispatch.
class WordIndex
{
public:
    WordIndex()
    {
        for (const auto &[name, info] : makeTable()) {
            size_t slot = hash(name) & mask;
            while (!m_slots[slot].name.empty())
                slot = (slot + 1) & mask;
            m_slots[slot] = {name, info};
        }
    }
    const WordInfo &find(std::string_view w) const
    {
        for (size_t slot = hash(w) & mask;; slot = (slot + 1) & mask) {
            const Slot &s = m_slots[slot];
            if (s.name == w)
                return s.info;
            if (s.name.empty())
                return m_unknown;
        }
    }

private:
    static constexpr size_t mask = 1023; // over four times the words known
    static size_t hash(std::string_view w)
    {
        quint32 h = 2166136261u;
        for (char c : w)
            h = (h ^ uchar(c)) * 16777619u;
        return h ^ (h >> 15);
    }
    struct Slot
    {
        std::string_view name;
        WordInfo info;
    };
    std::array<Slot, mask + 1> m_slots{};
    WordInfo m_unknown;
};

} // namespace

const WordInfo &lookUpWord(QByteArrayView w)
{
    static const WordIndex index;
    return index.find(std::string_view(w.data(), size_t(w.size())));
}

} // namespace vc::rtf
