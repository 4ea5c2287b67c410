// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartWindowWidget.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>

namespace app {
namespace {

// The product picture: the cut face of a log with its annual rings and a
// stack of logs behind it, drawn so that it scales without a bitmap.
class ProductPicture : public QWidget {
public:
    explicit ProductPicture(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setMinimumSize(420, 220);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = rect();

        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0, QColor(0xdd, 0xec, 0xd6));
        sky.setColorAt(1, QColor(0x9c, 0xbf, 0x8a));
        p.fillRect(area, sky);

        // A pile of logs seen from the cut side.
        const qreal r = area.height() / 7.5;
        const QPointF base(area.width() * 0.66, area.bottom() - r * 1.1);
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 4 - row; ++i)
                drawLogEnd(p, base + QPointF((i - (3 - row) / 2.0) * 2.05 * r, -row * 1.78 * r), r, 4);

        // One big cut face in front.
        const qreal big = area.height() * 0.38;
        drawLogEnd(p, QPointF(area.width() * 0.24, area.center().y()), big, 11);
    }

private:
    static void drawLogEnd(QPainter& p, const QPointF& centre, qreal radius, int rings)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6b, 0x46, 0x23));
        p.drawEllipse(centre, radius, radius);
        QRadialGradient wood(centre, radius);
        wood.setColorAt(0, QColor(0xf3, 0xd9, 0xa4));
        wood.setColorAt(1, QColor(0xd9, 0xa8, 0x62));
        p.setBrush(wood);
        const qreal inner = radius * 0.9;
        p.drawEllipse(centre, inner, inner);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xb0, 0x7d, 0x42, 170), std::max(1.0, radius / 40)));
        for (int k = 1; k < rings; ++k) {
            const qreal rr = inner * k / rings;
            // Rings are never quite round.
            p.drawEllipse(centre + QPointF(rr * 0.04, -rr * 0.03), rr, rr * 0.96);
        }
    }
};

} // namespace

StartWindowWidget::StartWindowWidget(StartWindow& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Bild1"));
    setWindowTitle(StartWindow::caption());

    auto* title = new QLabel(QStringLiteral("Stemora"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* subtitle =
        new QLabel(QStringLiteral("Holzaufnahme – Rundholz erfassen, Lose bilden, Listen übergeben"), this);

    m_label1 = new QLabel(m_model.Label1(), this);
    m_label1->setObjectName(QStringLiteral("Label1"));

    m_command1 = new QPushButton(StartWindow::Command1Caption(), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command1->setMinimumHeight(48);
    QFont buttonFont = m_command1->font();
    buttonFont.setPointSizeF(buttonFont.pointSizeF() * 1.3);
    m_command1->setFont(buttonFont);
    connect(m_command1, &QPushButton::clicked, this, [this] { m_model.Command1_Click(); });
    connect(&m_model, &StartWindow::startRequested, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ProductPicture(this), 1);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(m_label1);
    layout->addSpacing(8);
    layout->addWidget(m_command1);
    m_command1->setFocus();
}

} // namespace app
