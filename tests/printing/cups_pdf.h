#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace quadrelle::testing {

// The CUPS PDF printer that scripts/cups.sh makes the default, and the PDFs it writes.

// Where scripts/cups.sh points the PDF printer, unless QUADRELLE_PDF_OUT names another folder.
QString PdfFolder();

// Why this machine cannot print to the PDF printer in a test, or empty when it can. Anything
// but the CUPS PDF queue as the default is refused, so that no test ever prints on paper.
QString PdfPrinterProblem();

// Skips the test with the reason, or fails it under CI, where the printer must be there.
#define QUADRELLE_REQUIRE_PDF_PRINTER()                                                                                \
    do {                                                                                                               \
        const QString problem = ::quadrelle::testing::PdfPrinterProblem();                                             \
        if (!problem.isEmpty()) {                                                                                      \
            if (!qEnvironmentVariableIsEmpty("CI"))                                                                    \
                QFAIL(qPrintable(problem));                                                                            \
            QSKIP(qPrintable(problem));                                                                                \
        }                                                                                                              \
    } while (false)

// Standard output of a program, trimmed; "(timed out)" after 30 s.
QString RunProgram(const QString &program, const QStringList &arguments);

// The PDF files in the output folder, by name.
QStringList Pdfs();

// The PDFs written since `before` was listed, once the spooler has no job left; empty when none
// has finished within the deadline.
QStringList FinishedPdfs(const QStringList &before, int deadlineMs = 60000);

int PageCount(const QString &pdf);

// One page of the PDF rendered in 8-bit grey (the PDF printer's output carries no text).
QImage RenderPage(const QString &pdf, int dpi, int page = 1);

} // namespace quadrelle::testing
