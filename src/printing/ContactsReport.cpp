#include "contacts/ContactQuery.h"
#include "printing/ReportOwner.h"
#include "printing/ReportPage.h"
#include "printing/ReportText.h"
#include "printing/Reports.h"

namespace orv {

namespace {

const QString kIndent(4, QLatin1Char(' '));
constexpr int kNotesLine = 100;

// The notes in lines of 100 characters, at most three, the third taking the rest.
QString notesLines(const QString& notes) {
    const QStringList parts = wrapSegments(notes, kNotesLine, 3);
    if (parts.size() == 1) {
        return kIndent + pad(parts.front(), kNotesLine);
    }
    return kIndent + parts.join(QLatin1Char('\n') + kIndent);
}

// The name line (printed in bold) and the other lines of one contact.
struct ContactLines {
    QString name;
    QString rest;
};

ContactLines contactLines(const RowSet& row) {
    const auto field = [&row](const char* column, int width) {
        return pad(row.text(QLatin1String(column)), width);
    };
    const QString dash = QStringLiteral(" - ");
    ContactLines lines;
    lines.name = kIndent + field("Nome", 75) + dash + row.text(QStringLiteral("Aniversario"));
    lines.rest = kIndent + field("Endereco", 100) + QLatin1Char('\n') + kIndent +
                 field("Cidade", 30) + dash + field("Estado", 2) + dash + field("Cep", 8) + dash +
                 field("FoneRes", 15) + dash + field("FoneCel", 15) + dash + field("FoneCom", 15) +
                 QLatin1Char('\n') + kIndent + field("Empresa", 100) + QLatin1Char('\n') + kIndent +
                 field("Email", 100) + QLatin1Char('\n') +
                 notesLines(row.text(QStringLiteral("Observacao"))) + QLatin1Char('\n') +
                 QString(5, QLatin1Char(' '));
    return lines;
}

} // namespace

Report contactsReport(const AppContext& ctx, const contacts::ContactFilter& filter) {
    return {QStringLiteral("Enderecos"), [&ctx, filter](ReportSink& sink) {
                // The same query as the contact list.
                RowSet rows = contacts::runContactQuery(ctx.db, ctx.session.userCode,
                                                        ctx.settings.showShared, filter);
                if (rows.eof()) {
                    return; // nothing at all, not even the title
                }
                ReportPage page(sink, QStringLiteral(" Endereços da Agenda do ") + reportOwner(ctx),
                                ctx.clock);
                page.begin();
                while (!rows.eof()) {
                    const ContactLines lines = contactLines(rows);
                    page.setBold(true);
                    page.print(lines.name);
                    page.setBold(false);
                    page.print(lines.rest);
                    rows.moveNext();
                    // Never a page of its own after the last contact.
                    if (!rows.eof()) {
                        page.breakIfFull();
                    }
                }
                page.finish();
            }};
}

} // namespace orv
