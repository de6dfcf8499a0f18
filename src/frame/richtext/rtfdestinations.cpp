#include "richtext/rtfparser.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QUrl>

// Groups that hold something other than body text: pictures, headers,
// footers and notes, and the ones skipped as a whole.
namespace vc::rtf {

void Parser::insertPicture()
{
    Picture &p = m_pict;
    // The size the document asks for: the goal size, scaled; else the picture's own.
    double wTw = p.goalw, hTw = p.goalh;
    QImage image;
    QByteArray encoded;
    QSize encodedSize;
    const bool raster = p.kind == "png" || p.kind == "jpeg" || p.kind == "dib" || p.kind == "bmp";
    if (raster && !p.data.isEmpty()) {
        if (p.kind == "dib") {
            // a device-independent bitmap lacks the file header a BMP reader wants
            QByteArray bmp("BM");
            const quint32 total = quint32(14 + p.data.size());
            const quint32 header = p.data.size() >= 4
                                       ? quint32(uchar(p.data[0])) | quint32(uchar(p.data[1])) << 8
                                       : 40;
            const int bits = p.data.size() >= 16 ? uchar(p.data[14]) | uchar(p.data[15]) << 8 : 24;
            const int colours = bits <= 8 ? (1 << bits) : 0;
            const quint32 offset = 14 + header + quint32(colours) * 4;
            for (quint32 v : {total, quint32(0), offset})
                for (int i = 0; i < 4; ++i)
                    bmp.append(char((v >> (8 * i)) & 0xFF));
            bmp.append(p.data);
            image.loadFromData(bmp, "BMP");
        } else {
            // kept encoded: decoding waits until the picture is drawn, so
            // large documents load fast; the header gives the size
            QBuffer buffer(&p.data);
            QImageReader reader(&buffer, p.kind == "png"    ? "png"
                                         : p.kind == "jpeg" ? "jpeg"
                                                            : QByteArray());
            if (reader.canRead() && reader.size().isValid() && !reader.size().isEmpty()) {
                encoded = p.data;
                encodedSize = reader.size();
            }
        }
    }
    const bool have = !image.isNull() || !encoded.isEmpty();
    const QSize own = image.isNull() ? encodedSize : image.size();
    if (wTw <= 0)
        wTw = have ? own.width() * twipsPerPx
                   : (p.kind == "wmf" || p.kind == "emf" ? 0 : p.picw * twipsPerPx);
    if (hTw <= 0)
        hTw = have ? own.height() * twipsPerPx
                   : (p.kind == "wmf" || p.kind == "emf" ? 0 : p.pich * twipsPerPx);
    if ((p.kind == "wmf" || p.kind == "emf") && (wTw <= 0 || hTw <= 0)) {
        // picw/pich of a metafile are in hundredths of a millimetre
        wTw = p.picw * 1440.0 / 2540.0;
        hTw = p.pich * 1440.0 / 2540.0;
    }
    wTw = wTw * qBound(1, p.scalex, 10000) / 100.0;
    hTw = hTw * qBound(1, p.scaley, 10000) / 100.0;
    if (wTw <= 0 || hTw <= 0 || wTw > 1440 * 100 || hTw > 1440 * 100) {
        if (!have) {
            skipped(QStringLiteral("a picture without a size"));
            return;
        }
        wTw = own.width() * twipsPerPx;
        hTw = own.height() * twipsPerPx;
    }
    if (!have) {
        // Metafiles cannot be drawn here; a transparent frame keeps the layout.
        image = QImage(1, 1, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        ++m_report.emptyFrames;
        if (raster)
            skipped(QStringLiteral("a broken %1 picture").arg(QString::fromLatin1(p.kind)));
        else
            skipped(
                QStringLiteral("%1 pictures (kept as empty frames)")
                    .arg(QString::fromLatin1(p.kind.isEmpty() ? QByteArray("unknown") : p.kind)));
    } else {
        ++m_report.pictures;
    }
    const QUrl url(QStringLiteral("rtfimage://%1").arg(m_imageCount++));
    m_sink->doc->addResource(QTextDocument::ImageResource, url,
                             encoded.isEmpty() ? QVariant(image) : QVariant(encoded));
    QTextImageFormat f;
    f.merge(charFormat(m_state.ch));
    f.setName(url.toString());
    f.setWidth(wTw / twipsPerPx);
    f.setHeight(hTw / twipsPerPx);
    flush();
    ensureContext();
    m_sink->cursor.insertImage(f);
    m_blockDirty = true;
}

void Parser::enterAside(int which)
{
    if (m_state.dest == Dest::Skip)
        return;
    if (which != NotesAside && m_state.aside >= 0) {
        m_state.dest = Dest::Skip;
        return;
    }
    flush();
    AsideText &a = m_asides[which];
    if (!a.used) {
        a.sink.doc = &a.doc;
        a.sink.cursor = QTextCursor(&a.doc);
        a.used = true;
    }
    m_state.dest = Dest::Aside;
    m_state.aside = which;
    m_state.groupOwnsDest = true;
    m_sink = &a.sink;
}

// Headers and footers show the number of the page they are printed on, and
// the number of pages: marks that printing replaces.
void Parser::pageNumber(bool count)
{
    if (m_state.aside < 0 || m_state.aside >= NotesAside)
        return;
    addChar(QChar(count ? PageParts::pageCountMark : PageParts::pageNumberMark));
}

void Parser::destination(QByteArrayView w, const WordInfo &k)
{
    const Word id = k.id;
    if (id == Word::fonttbl) {
        m_state.dest = Dest::FontTable;
        m_fontEntry = -1;
        m_fontName.clear();
    } else if (id == Word::colortbl) {
        m_state.dest = Dest::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
    } else if (id == Word::pict) {
        flush();
        if (m_state.dest == Dest::Skip)
            return;
        m_state.dest = Dest::Picture;
        m_state.groupOwnsDest = true;
        m_pict = Picture();
        m_pictDepth = m_depth;
    } else if (id == Word::fldinst) {
        if (m_state.dest == Dest::Skip)
            return;
        m_state.dest = Dest::FieldInstruction;
        m_state.groupOwnsDest = true;
        m_fieldInstruction.clear();
    } else if (id == Word::footnote) {
        enterAside(NotesAside);
    } else if (id == Word::headerf || id == Word::footerf || id == Word::header ||
               id == Word::headerr || id == Word::footer || id == Word::footerr) {
        // the first definitions hold for the whole document; left pages share the right ones'
        int k = w.startsWith("header") ? HeaderAside : FooterAside;
        if (w.back() == 'f')
            k += FirstHeaderAside;
        if (!m_asides[size_t(k)].used && m_state.aside < 0)
            enterAside(k);
        else
            m_state.dest = Dest::Skip;
    } else if (id == Word::Destination) {
        m_state.dest = Dest::Skip;
    } else {
        return;
    }
}

} // namespace vc::rtf
