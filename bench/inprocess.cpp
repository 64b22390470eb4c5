// In-process figures: the forms layer's cost against the same window written by hand in plain
// Qt, the time of one verify and one reset, and resident memory over open/close cycles of
// every window kind. Runs offscreen.
#include "app/windowtable.h"
#include "content/roles.h"
#include "content/sentences.h"
#include "exercises/sentencewindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

using exercises::SentenceWindow;

// Where the sentence window's controls lie, read once from its layout, as a hand-written
// window would have them as constants.
struct SentenceGeometry {
    QRect label, verify, reset;
    std::array<QRect, content::rowCount> chunks, roles;

    static SentenceGeometry read() {
        const auto place = [](std::string_view name) {
            return forms::place(SentenceWindow::layout, name);
        };
        SentenceGeometry geometry{place(SentenceWindow::sentenceLabel),
                                  place(SentenceWindow::verifyButton),
                                  place(SentenceWindow::resetButton),
                                  {},
                                  {}};
        for (int row = 0; row < content::rowCount; ++row) {
            geometry.chunks[row] = place(SentenceWindow::chunkBoxes[row]);
            geometry.roles[row] = place(SentenceWindow::roleBoxes[row]);
        }
        return geometry;
    }
};

// The sentence window as one would write it straight in Qt: 19 widgets placed by hand, eight
// editable role boxes filled with the catalogue (200 entries), nothing selected, lists as wide
// as their widest entry, picked entries shown from their start, the same tab order.
QWidget* handWrittenSentenceWindow(const content::SentenceSet& set,
                                   const SentenceGeometry& geometry) {
    auto* window = new QWidget;
    window->setWindowTitle("Prima frase");
    window->setFixedSize(forms::clientSize(SentenceWindow::layout));
    auto* label = new QLabel(qtText(set.sentence), window);
    label->setGeometry(geometry.label);
    std::vector<QWidget*> tabOrder;
    for (int row = 1; row <= 8; ++row) {
        auto* chunk = new QLineEdit(qtText(set.row(row).chunk), window);
        chunk->setGeometry(geometry.chunks[row - 1]);
        chunk->setMaxLength(std::numeric_limits<int>::max());
        chunk->setCursorPosition(0);
        tabOrder.push_back(chunk);
    }
    std::vector<QComboBox*> roles;
    for (int row = 1; row <= 8; ++row) {
        auto* role = new QComboBox(window);
        role->setEditable(true);
        role->setInsertPolicy(QComboBox::NoInsert);
        role->setGeometry(geometry.roles[row - 1]);
        QObject::connect(role, &QComboBox::currentIndexChanged, role,
                         [role] { role->lineEdit()->setCursorPosition(0); });
        roles.push_back(role);
        tabOrder.push_back(role);
    }
    auto* verify = new QPushButton("Verifica risposte", window);
    verify->setGeometry(geometry.verify);
    auto* reset = new QPushButton("Resetta", window);
    reset->setGeometry(geometry.reset);
    tabOrder.push_back(verify);
    tabOrder.push_back(reset);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    tabOrder.front()->setFocus();

    int widest = 0;
    for (std::string_view entry : content::roleCatalogue)
        widest =
            std::max(widest, roles.front()->view()->fontMetrics().horizontalAdvance(qtText(entry)));
    for (QComboBox* role : roles) {
        for (std::string_view entry : content::roleCatalogue)
            role->addItem(qtText(entry));
        role->setCurrentIndex(-1);
        role->view()->setMinimumWidth(widest + 40);
    }
    return window;
}

template <class Build> double millisecondsToBuild(Build build) {
    QElapsedTimer timer;
    timer.start();
    QWidget* window = build();
    delete window;
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double residentMegabytes() {
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return -1;
}

void formsLayerAgainstHandWritten(int repetitions) {
    const SentenceGeometry geometry = SentenceGeometry::read();
    std::vector<double> forms, byHand;
    for (int i = 0; i < repetitions + 10; ++i) {
        const double layer = millisecondsToBuild([] {
            auto* window =
                new SentenceWindow(content::secondSet, exercises::FirstRoleBoxColour::WindowText);
            window->load();
            return window;
        });
        const double plain = millisecondsToBuild(
            [&geometry] { return handWrittenSentenceWindow(content::secondSet, geometry); });
        if (i >= 10) { // the first builds warm caches
            forms.push_back(layer);
            byHand.push_back(plain);
        }
    }
    std::printf("building and loading a sentence window (median of %d)\n", repetitions);
    std::printf("  forms layer %6.3f ms   by hand %6.3f ms   ratio %.2f   (goal <= 1.10)\n",
                median(forms), median(byHand), median(forms) / median(byHand));
}

void pressTimes(int repetitions) {
    SentenceWindow window(content::secondSet, exercises::FirstRoleBoxColour::WindowText);
    window.load();
    window.control<QComboBox>(SentenceWindow::roleBoxes[1]).setCurrentIndex(24);
    window.control<QComboBox>(SentenceWindow::roleBoxes[3]).setCurrentIndex(6);
    for (std::string_view button : {SentenceWindow::verifyButton, SentenceWindow::resetButton}) {
        std::vector<double> times;
        for (int i = 0; i < repetitions; ++i) {
            QElapsedTimer timer;
            timer.start();
            window.control<QPushButton>(button).click();
            times.push_back(double(timer.nsecsElapsed()) / 1e3);
        }
        std::printf("  %-8s %6.1f us per press (median of %d)\n",
                    button == SentenceWindow::verifyButton ? "verify" : "reset", median(times),
                    repetitions);
    }
}

void soak(int cycles) {
    app::Windows windows;
    const auto cycle = [&windows] {
        QTimer::singleShot(0, [] {
            if (QWidget* welcome = QApplication::activeModalWidget())
                welcome->close();
        });
        for (const app::KindEntry& entry : app::windowKinds)
            windows.open(entry.kind);
        for (const app::KindEntry& entry : app::windowKinds)
            windows.window(entry.kind)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < 50; ++i)
        cycle();
    const double before = residentMegabytes();
    for (int i = 0; i < cycles; ++i)
        cycle();
    const double after = residentMegabytes();
    std::printf("resident memory over %d open/close cycles of every window kind\n", cycles);
    std::printf("  before %6.1f MB   after %6.1f MB   growth %.2f MB   (goal < 2 MB)\n", before,
                after, after - before);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns on every raise(); the figures are what this prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication application(argc, argv);
    forms::applyLook(application);
    // "--forms N": only the forms-layer comparison, N times (for a profiler).
    if (argc == 3 && std::string_view(argv[1]) == "--forms") {
        formsLayerAgainstHandWritten(std::atoi(argv[2]));
        return 0;
    }
    formsLayerAgainstHandWritten(301);
    std::printf("verify and reset on a sentence window\n");
    pressTimes(2001);
    soak(1000);
    return 0;
}
