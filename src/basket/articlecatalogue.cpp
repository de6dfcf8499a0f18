#include "articlecatalogue.h"

#include "ini/vixinihandling.h"

namespace vc {

const std::array<ArticleCatalogue::Group, 20> &ArticleCatalogue::groups()
{
    static const std::array<Group, 20> table{{
        {"vUnits", "units", "U_TV", "U-TV"},
        {"vUnits", "units", "U_QN", "U-QN"},
        {"vUnits", "units", "U_SB", "U-SB"},
        {"vUnits", "units", "U_DR", "U-DR"},
        {"vUnits", "units", "U_FC", "U-FC"},
        {"vUnits", "units", "U_OS", "U-OS"},
        {"vUnits", "units", "U_PZ", "U-PZ"},
        {"vAccessoires", "acc", "A_Blower", "A-BL"},
        {"vAccessoires", "acc", "A_Hose", "A-HO"},
        {"vAccessoires", "acc", "A_Distributor", "A-DI"},
        {"vAccessoires", "acc", "A_Connector", "A-CO"},
        {"Options", nullptr, "O_Kits", "O-KI"},
        {"Options", nullptr, "O_Control", "O-DR"},
        {"Options", nullptr, "O_Pressure", "O-Pres"},
        {"Options", nullptr, "O_Indication", "O-Indication"},
        {"Options", nullptr, "O_Heating", "O-HE"},
        {"Options", nullptr, "O_H-C-S", "O-HC"},
        {"vConsumables", "con", "C_valve-in", "C-VI"},
        {"vConsumables", "con", "C_valve-out", "C-VO"},
        {"vConsumables", "con", "C_cylinder", "C-CY"},
    }};
    return table;
}

const std::array<const char *, 7> &ArticleCatalogue::familyFlags()
{
    static const std::array<const char *, 7> flags{"TV", "QN", "SX", "DR", "FC", "OS", "PZ"};
    return flags;
}

void ArticleCatalogue::build(const QString &folder,
                             const std::function<QString(const QString &)> &caption)
{
    m_folder = folder;
    m_nodes.clear();
    m_index.clear();
    m_problems.clear();
    m_nodes.reserve(1024);
    const VixIniHandling ini;
    auto add = [this](const QString &key, const QString &text, int parent, int level) {
        m_index.insert(key, int(m_nodes.size()));
        m_nodes.push_back({key, text, parent, level});
        return int(m_nodes.size()) - 1;
    };
    int root = -1;
    QString rootKey;
    for (const Group &group : groups()) {
        if (rootKey != QLatin1String(group.rootKey)) {
            rootKey = QLatin1String(group.rootKey);
            root = add(rootKey,
                       group.rootCaptionKey ? caption(QLatin1String(group.rootCaptionKey))
                                            : QStringLiteral("Options"),
                       -1, 0);
        }
        const QString groupKey = QLatin1String(group.file);
        const int parent = add(groupKey, caption(QLatin1String(group.captionKey)), root, 1);
        const QString file = folder + QLatin1Char('\\') + groupKey + QStringLiteral(".dat");
        QStringList titles;
        if (!ini.ReadAllSectionTitle(file, titles)) {
            m_problems.push_back(
                {Problem::Kind::MissingFile, groupKey + QStringLiteral(".dat"), {}});
            continue;
        }
        for (const QString &title : titles) {
            if (m_index.contains(title)) {
                m_problems.push_back(
                    {Problem::Kind::DuplicateKey, groupKey + QStringLiteral(".dat"), title});
                continue;
            }
            add(title, ini.Read_INI(file, title, QStringLiteral("Desc")), parent, 2);
        }
    }
}

QString ArticleCatalogue::articleFile(int node) const
{
    if (node < 0 || node >= int(m_nodes.size()) || m_nodes[node].parent < 0)
        return QString();
    return m_folder + QLatin1Char('\\') + m_nodes[m_nodes[node].parent].key +
           QStringLiteral(".dat");
}

ArticleCatalogue::Article ArticleCatalogue::article(int node) const
{
    Article a;
    const QString file = articleFile(node);
    if (file.isEmpty())
        return a;
    const VixIniHandling ini;
    a.key = m_nodes[node].key;
    auto read = [&](const char *key) { return ini.Read_INI(file, a.key, QLatin1String(key)); };
    a.type = read("type");
    a.desc = read("Desc");
    a.kgh = read("KgH");
    a.spec = read("Spec");
    a.img = read("img");
    for (int i = 0; i < 7; ++i)
        a.flags[i] = read(familyFlags()[i]);
    return a;
}

} // namespace vc
