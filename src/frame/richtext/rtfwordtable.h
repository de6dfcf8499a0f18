#pragma once

#include <QByteArrayView>

// The control words the reader acts on, looked up once per word so that its
// parts dispatch on a number instead of comparing the word with each name.
namespace vc::rtf {

// clang-format off
#define VC_RTF_WORDS(X) \
    X(ansicpg) X(b) X(bin) X(blue) X(box) X(brdrnil) X(brdrnone) X(brdrw) X(cb) X(cell) X(cellx) \
    X(cf) X(chcbpat) X(chpgn) X(clbrdrb) X(clbrdrl) X(clbrdrr) X(clbrdrt) X(clcbpat) X(clftsWidth) \
    X(clmgf) X(clmrg) X(clvmgf) X(clvmrg) X(clwWidth) X(colortbl) X(cpg) X(deff) X(dibitmap) X(dn) \
    X(emfblip) X(f) X(fcharset) X(fdecor) X(fi) X(field) X(fldinst) X(fldrslt) X(fmodern) \
    X(fonttbl) X(footer) X(footerf) X(footerr) X(footery) X(footnote) X(froman) X(fs) X(fscript) \
    X(fswiss) X(ftnalt) X(green) X(header) X(headerf) X(headerr) X(headery) X(highlight) X(i) \
    X(intbl) X(itap) X(jpegblip) X(landscape) X(li) X(lin) X(listtext) X(lndscpsxn) X(mac) \
    X(macpict) X(margb) X(margbsxn) X(margl) X(marglsxn) X(margr) X(margrsxn) X(margt) X(margtsxn) \
    X(nestcell) X(nestrow) X(nesttableprops) X(nosupersub) X(object) X(page) X(pagebb) X(paperh) \
    X(paperw) X(par) X(pard) X(pc) X(pca) X(pghsxn) X(pgwsxn) X(pich) X(pichgoal) X(picscalex) \
    X(picscaley) X(pict) X(picw) X(picwgoal) X(plain) X(pmmetafile) X(pngblip) X(pntext) X(qc) \
    X(qd) X(qj) X(ql) X(qr) X(red) X(result) X(ri) X(rin) X(row) X(sa) X(sb) X(sect) X(shp) \
    X(shpinst) X(shppict) X(shprslt) X(shptxt) X(sl) X(slmult) X(strike) X(striked) X(sub) \
    X(super) X(tb) X(titlepg) X(tqc) X(tqdec) X(tqr) X(trftsWidth) X(trgaph) X(trleft) X(trowd) \
    X(trwWidth) X(tx) X(u) X(uc) X(ul) X(uld) X(uldash) X(uldashd) X(uldashdd) X(uldb) X(ulnone) \
    X(ulth) X(ulw) X(ulwave) X(up) X(v) X(wbitmap) X(wmetafile)
// clang-format on

enum class Word : unsigned short {
    Unknown,
    Special,     // stands for one character (\tab, \emdash, ...)
    Destination, // opens a group the reader skips as a whole
#define VC_RTF_WORD_ID(name) name,
    VC_RTF_WORDS(VC_RTF_WORD_ID)
#undef VC_RTF_WORD_ID
};

struct WordInfo
{
    Word id = Word::Unknown;
    char16_t character = 0; // what a Special word stands for
    bool kept = false;      // after \*, a destination whose text is read
};

const WordInfo &lookUpWord(QByteArrayView w);

} // namespace vc::rtf
