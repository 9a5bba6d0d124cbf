// The printed documents as rich text: the layout of the page is left to Qt's
// text engine (tables split across pages with their header rows repeated).
#include "ui/print/SheetDocuments.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <map>

#include "ui/print/SheetPictures.h"

namespace zelpor {

namespace {

// Pictures are painted at twice the size they take on the page.
constexpr int kSharp = 2;
constexpr int kToolPictureSize = 140;
constexpr int kProfileWidth = 640;
constexpr int kProfileHeight = 260;
constexpr int kStepWidth = 220;
constexpr int kStepHeight = 130;

QString Html(const std::string& utf8) { return QString::fromStdString(utf8).toHtmlEscaped(); }

QString Unit(const std::string& value, const char* unit) {
    return value.empty() || value == "?" ? Html(value) : Html(value) + QStringLiteral(" ") + QString::fromUtf8(unit);
}

const char* const kStyle =
    "body { font-size: 11px; }"
    "table.grid { border-collapse: collapse; }"
    "table.grid td, table.grid th { border: 1px solid #808080; padding: 2px; }"
    "table.grid td { font-size: 10px; }"
    "table.grid th { background-color: #e0e0e0; font-size: 8px; }"
    "td.num { text-align: right; }"
    "p.title { font-size: 18px; font-weight: bold; }"
    "p.section { font-size: 13px; font-weight: bold; margin-top: 10px; }";

std::unique_ptr<QTextDocument> NewDocument() {
    auto doc = std::make_unique<QTextDocument>();
    QFont font = doc->defaultFont();
    font.setPixelSize(11);
    doc->setDefaultFont(font);
    doc->setDefaultStyleSheet(QString::fromUtf8(kStyle));
    return doc;
}

// Any letter spacing turns ligatures off: "ff" and "fi" stay two letters for
// whoever searches the text of a PDF ("Affaire", "Profil").
void SetHtmlWithoutLigatures(QTextDocument& doc, const QString& html) {
    doc.setHtml(html);
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    QTextCharFormat spacing;
    spacing.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    spacing.setFontLetterSpacing(0.1);
    all.mergeCharFormat(spacing);
}

QString AddPicture(QTextDocument& doc, const QString& name, const QImage& image, int width, int height) {
    const QUrl url(QStringLiteral("zelpor:") + name);
    doc.addResource(QTextDocument::ImageResource, url, image);
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">").arg(url.toString()).arg(width).arg(height);
}

QString HeaderHtml(const SetupSheet& s) {
    auto row = [](const char* label, const QString& value) {
        return QStringLiteral("<td><b>%1</b></td><td>%2</td>").arg(QString::fromUtf8(label), value);
    };
    QString h = QStringLiteral("<p class=\"title\">Fiche de réglage</p><table cellspacing=\"0\" cellpadding=\"2\">");
    h +=
        QStringLiteral("<tr>") + row("Affaire :", Html(s.job)) + row("Piece :", Html(s.part)) + QStringLiteral("</tr>");
    h += QStringLiteral("<tr>") + row("Commentaire :", Html(s.comment)) + row("Date :", Html(s.date)) +
         QStringLiteral("</tr>");
    h += QStringLiteral("<tr>") + row("Epaisseur :", Unit(s.thickness, "mm")) + row("Matiere :", Html(s.material)) +
         QStringLiteral("</tr>");
    h += QStringLiteral("<tr>") + row("Longueur développée :", Unit(s.developedLength, "mm")) +
         row("Imprimée le :", Html(s.printed)) + QStringLiteral("</tr></table>");
    return h;
}

QString ToolsHtml(QTextDocument& doc, const SetupSheet& s) {
    if (s.tools.empty()) return QStringLiteral("<p class=\"section\">Outils</p><p>Aucun outil choisi.</p>");
    QString h = QStringLiteral("<p class=\"section\">Outils</p><table cellspacing=\"4\"><tr>");
    int column = 0;
    for (std::size_t i = 0; i < s.tools.size(); ++i) {
        const SheetTool& t = s.tools[i];
        if (column == 3) {
            h += QStringLiteral("</tr><tr>");
            column = 0;
        }
        // Tools are drawn at their own size: their thin outlines stay visible on paper.
        const QImage picture = ToolPicture(t, kToolPictureSize, kToolPictureSize);
        h += QStringLiteral("<td valign=\"top\">") +
             AddPicture(doc, QStringLiteral("tool%1").arg(i), picture, kToolPictureSize, kToolPictureSize) +
             QStringLiteral("</td><td valign=\"top\"><b>%1 %2</b><br>")
                 .arg(t.kind == ToolKind::Punch ? QStringLiteral("Poinçon") : QStringLiteral("Matrice"), Html(t.name));
        if (!t.found) h += QStringLiteral("<i>fichier introuvable</i><br>");
        for (const ToolFigure& f : t.figures)
            h += Html(f.label) + QStringLiteral(" : ") + Unit(f.value, f.unit.c_str()) + QStringLiteral("<br>");
        h += QStringLiteral("</td>");
        ++column;
    }
    return h + QStringLiteral("</tr></table>");
}

QString BendsHtml(const SetupSheet& s) {
    QString h = QStringLiteral("<p class=\"section\">Plis</p>");
    if (s.bends.empty()) return h + QStringLiteral("<p>pas de pli</p>");
    h += QStringLiteral("<table class=\"grid\" width=\"100%\" cellspacing=\"0\"><thead><tr><th>Pli</th>");
    for (const SheetColumn& c : kSheetColumns)
        h += QStringLiteral("<th>%1<br>(%2)</th>")
                 .arg(QString::fromUtf8(c.caption).toHtmlEscaped(), QString::fromUtf8(c.unit));
    h += QStringLiteral("<th>Longueur<br>(mm)</th><th>Poinçon</th><th>Matrice</th></tr></thead>");
    for (const SheetBendRow& r : s.bends) {
        h += QStringLiteral("<tr><td class=\"num\">%1</td>").arg(Html(r.number));
        for (const std::string& v : r.settings) h += QStringLiteral("<td class=\"num\">%1</td>").arg(Html(v));
        h += QStringLiteral("<td class=\"num\">%1</td><td>%2</td><td>%3</td></tr>")
                 .arg(Html(r.length), Html(r.punch), Html(r.die));
    }
    return h + QStringLiteral("</table>");
}

QString StepsHtml(QTextDocument& doc, const SetupSheet& s, const PartRecord& part) {
    QString h = QStringLiteral("<p class=\"section\">Profil</p><p>") +
                AddPicture(doc, QStringLiteral("profile"),
                           ProfilePicture(part, kProfileWidth * kSharp, kProfileHeight * kSharp), kProfileWidth,
                           kProfileHeight) +
                QStringLiteral("</p>");
    h += QStringLiteral("<p class=\"section\">Séquence de pliage</p>");
    if (s.steps.empty()) return h + QStringLiteral("<p>Séquence non définie.</p>");
    // The tools of each step, read once per name.
    std::map<std::string, SheetTool> punches, dies;
    auto tool = [&](std::map<std::string, SheetTool>& cache, const std::string& name,
                    ToolKind kind) -> const SheetTool& {
        auto it = cache.find(name);
        if (it != cache.end()) return it->second;
        SheetTool t;
        for (const SheetTool& known : s.tools)
            if (known.kind == kind && known.rawName == name) t = known;
        return cache.emplace(name, t).first->second;
    };
    h += QStringLiteral("<table cellspacing=\"4\"><tr>");
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        const SheetStep& st = s.steps[i];
        if (i > 0 && i % 3 == 0) h += QStringLiteral("</tr><tr>");
        const SheetTool& p = tool(punches, st.rawPunch, ToolKind::Punch);
        const SheetTool& d = tool(dies, st.rawDie, ToolKind::Die);
        const QImage picture = StepPicture(part, st, p.punch, d.die, kStepWidth * kSharp, kStepHeight * kSharp);
        h += QStringLiteral("<td valign=\"top\">") +
             AddPicture(doc, QStringLiteral("step%1").arg(i), picture, kStepWidth, kStepHeight) +
             QStringLiteral("<br><b>Pli %1</b> : %2°, butée X = %3 mm")
                 .arg(Html(st.number), Html(st.angle), Html(st.stop));
        if (!st.note().empty()) h += QStringLiteral(", ") + Html(st.note());
        h += QStringLiteral("<br>%1 / %2</td>").arg(Html(st.punch), Html(st.die));
    }
    return h + QStringLiteral("</tr></table>");
}

}  // namespace

QString SetupSheetTitle(const SetupSheet& sheet) {
    return QStringLiteral("Fiche de réglage - Affaire %1 - Piece %2")
        .arg(QString::fromStdString(sheet.job), QString::fromStdString(sheet.part));
}

std::unique_ptr<QTextDocument> SetupSheetDocument(const SetupSheet& sheet, const PartRecord& part) {
    auto doc = NewDocument();
    QString html = HeaderHtml(sheet) + ToolsHtml(*doc, sheet) + BendsHtml(sheet);
    if (sheet.graphic) html += StepsHtml(*doc, sheet, part);
    SetHtmlWithoutLigatures(*doc, html);
    return doc;
}

}  // namespace zelpor
