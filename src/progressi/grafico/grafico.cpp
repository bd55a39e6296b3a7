// The chart module: known words per day, one line per frequency band. Only the entry point
// leaves the module.
#include "progressi/ui/grafico.h"

#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFont>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace {

QDateTime mezzogiorno(QDate d)
{
    return QDateTime(d, QTime(12, 0));
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget* lexorio_grafico_progressi(const lex::ui::DatiGrafico* dati, QWidget* genitore)
{
    auto* grafico = new QChart;
    grafico->setTitle(dati->titolo);
    QFont titolo(QStringLiteral("Arial"), 10, QFont::Bold);
    grafico->setTitleFont(titolo);
    grafico->setBackgroundBrush(QBrush(QColor(255, 224, 224)));
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setFont(QFont(QStringLiteral("Arial"), 8));
    grafico->legend()->setAlignment(Qt::AlignBottom);

    auto* asseX = new QDateTimeAxis;
    asseX->setFormat(QStringLiteral("dd/MM"));
    asseX->setLabelsFont(QFont(QStringLiteral("Arial"), 8));
    auto* asseY = new QValueAxis;
    asseY->setLabelFormat(QStringLiteral("%d"));
    asseY->setLabelsFont(QFont(QStringLiteral("Arial"), 8));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);

    // The bands' colours: the board's orange, red, blue, grey, and the dark red of the titles.
    const QColor colori[] = {QColor(64, 0, 0), QColor(255, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(128, 128, 128)};
    int massimo = 0;
    for (qsizetype f = 0; f < dati->note.size(); ++f) {
        const auto& note = dati->note[f];
        if (std::all_of(note.begin(), note.end(), [](int n) { return n == 0; }))
            continue; // a band never played stays out of the chart and its legend
        auto* serie = new QLineSeries;
        serie->setName(dati->fasce.value(f));
        serie->setPointsVisible(true); // a single day is a point
        QPen penna(colori[f % 5]);
        penna.setWidth(2);
        serie->setPen(penna);
        for (qsizetype g = 0; g < dati->giorni.size() && g < note.size(); ++g) {
            serie->append(static_cast<qreal>(mezzogiorno(dati->giorni[g]).toMSecsSinceEpoch()), note[g]);
            massimo = std::max(massimo, note[g]);
        }
        grafico->addSeries(serie);
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
    const QDate primo = dati->giorni.isEmpty() ? QDate::currentDate() : dati->giorni.first();
    const QDate ultimo = dati->giorni.isEmpty() ? primo : dati->giorni.last();
    // At least a week across, so that one day is not a line at the edge.
    asseX->setRange(mezzogiorno(std::min(primo, ultimo.addDays(-6))), mezzogiorno(ultimo.addDays(1)));
    asseX->setTickCount(std::clamp(static_cast<int>(primo.daysTo(ultimo)) + 2, 2, 8));
    asseY->setRange(0, std::max(10, massimo + massimo / 10 + 1));
    asseY->applyNiceNumbers();

    auto* vista = new QChartView(grafico, genitore);
    vista->setObjectName(QStringLiteral("grafico"));
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setFocusPolicy(Qt::NoFocus);
    return vista;
}
