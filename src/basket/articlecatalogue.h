#pragma once

#include <array>
#include <functional>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace vc {

// The article catalogue of one language: the twenty article files of the
// language's Docs folder as the basket window's tree shows them, four roots,
// one group per file and one node per article section, in file order.
//
// Guarantees beyond the plain files: a missing or unreadable file gives an
// empty group, and an article key met a second time (keys are the tree's node
// keys) is left out of the tree; both are listed in problems(). Nothing in the
// files can make the tree fail to build.
class ArticleCatalogue
{
public:
    struct Group
    {
        const char *rootKey;
        const char *rootCaptionKey; // nullptr: the fixed text "Options"
        const char *file;           // also the group node key
        const char *captionKey;
    };
    static const std::array<Group, 20> &groups();

    struct Node
    {
        QString key;
        QString text;
        int parent = -1; // index of the parent node, -1 for a root
        int level = 0;   // 0 root, 1 group, 2 article
    };

    // One article's values as the detail display reads them.
    struct Article
    {
        QString key, type, desc, kgh, spec, img;
        std::array<QString, 7> flags; // TV QN SX DR FC OS PZ
        bool isUnit() const { return type.toUpper() == QLatin1String("U"); }
    };
    static const std::array<const char *, 7> &familyFlags();

    // folder: LanguageDocsPath; caption: the text of a language key.
    void build(const QString &folder, const std::function<QString(const QString &)> &caption);

    const std::vector<Node> &nodes() const { return m_nodes; }
    int indexOf(const QString &key) const { return m_index.value(key, -1); }
    // What could not be shown.
    struct Problem
    {
        enum class Kind { MissingFile, DuplicateKey } kind;
        QString file; // "U_TV.dat"
        QString key;  // the article key met again
    };
    const std::vector<Problem> &problems() const { return m_problems; }

    // The file of an article node: folder, '\', its group's key, ".dat".
    QString articleFile(int node) const;
    Article article(int node) const;

private:
    QString m_folder;
    std::vector<Node> m_nodes;
    QHash<QString, int> m_index;
    std::vector<Problem> m_problems;
};

} // namespace vc
