#include "printing/ReportOwner.h"
#include "printing/ReportPage.h"
#include "printing/ReportText.h"
#include "printing/Reports.h"

namespace orv {

namespace {

const QString kIndent(4, QLatin1Char(' '));
constexpr int kNotesLine = 100;

// The address book of the user under the filter, his own contacts and, when he
// sees shared entries, the ones other users share, by name and company.
RowSet contactRows(const AppContext& ctx, const QString& condition, const Params& params) {
    const qint64 user = ctx.session.userCode;
    QString sql =
        QStringLiteral("Select *,'' as NomeUsuario from Enderecos Where Usuario = ? ") + condition;
    Params bound{user};
    bound << params;
    if (ctx.settings.showShared) {
        sql += QStringLiteral(" Union Select *,(Select Login from Usuarios Where Codigo = "
                              "Usuario) as NomeUsuario from Enderecos Where Usuario <> ? and "
                              "Compartilhado = 'S' ") +
               condition;
        bound << user << params;
    }
    sql += QStringLiteral(" Order By Nome Collate NoCase,Empresa Collate NoCase ");
    return ctx.db.runQuery(sql, bound);
}

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

Report contactsReport(const AppContext& ctx, const QString& filterCondition,
                      const Params& filterParams) {
    return {QStringLiteral("Enderecos"), [&ctx, filterCondition, filterParams](ReportSink& sink) {
                RowSet rows = contactRows(ctx, filterCondition, filterParams);
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
