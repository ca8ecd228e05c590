#include "app/GraphSection.h"

#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QVBoxLayout>

#include "engine/core/EngineError.h"
#include "graphview/GraphData.h"
#include "graphview/GraphDescription.h"
#include "graphview/GraphView.h"

namespace {
constexpr QSize kGraphSize(480, 360);  // pixels at the normal zoom
}

std::shared_ptr<const GraphData> GraphSection::data(const factorix::Solution& solution) {
  try {
    return std::make_shared<const GraphData>(solution);
  } catch (const factorix::EngineError&) {
    return nullptr;
  }
}

QString GraphSection::title() { return QCoreApplication::translate("SolutionSheet", "Gráfica"); }

QGroupBox* GraphSection::make(std::shared_ptr<const GraphData> graph, QWidget* parent) {
  const QString title = GraphSection::title();
  auto* box = new QGroupBox(title, parent);
  box->setFlat(true);
  QFont bold = box->font();
  bold.setBold(true);
  box->setFont(bold);
  box->setAccessibleName(title);
  box->setAccessibleDescription(GraphDescription::text(*graph));
  auto* view = new GraphView(std::move(graph), box);
  view->setObjectName(QStringLiteral("grafica"));
  view->setMinimumSize(kGraphSize);
  QFont normal = view->font();
  normal.setBold(false);
  view->setFont(normal);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(view);
  return box;
}
