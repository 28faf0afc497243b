// A stand-in for the voting plug-in: Kagiroi hands the plug-in a CSV of tickets and starts it
// with the file's path as its only parameter. This program shows what it received (every
// ticket, their count and total stake) so the whole road can be tried without the real one.
// It places no bets.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {

struct Ticket {
    QStringList fields;  // date, course, race, type, method, stake, combination
};

QList<Ticket> ReadTickets(const QString& path, QString* error) {
    QList<Ticket> tickets;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return tickets;
    }
    // The file is Shift_JIS, but every field the plug-in reads is ASCII.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        QStringList fields = QString::fromLatin1(line).split(',');
        if (!fields.isEmpty() && fields.last().isEmpty()) fields.removeLast();
        if (fields.size() != 7) {
            *error = QStringLiteral("不正な行: %1").arg(QString::fromLatin1(line));
            continue;
        }
        tickets.append({fields});
    }
    return tickets;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QString error;
    QList<Ticket> tickets = path.isEmpty() ? QList<Ticket>() : ReadTickets(path, &error);
    long long total = 0;
    for (const Ticket& t : tickets)
        total += t.fields[5].toLongLong();

    QString summary = QStringLiteral("%1点　合計%2円").arg(tickets.size()).arg(total);
    std::printf("%s\n%s\n", path.toLocal8Bit().constData(), summary.toUtf8().constData());
    std::fflush(stdout);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Hibari投票プラグイン２（Kagiroi 代替）"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(
        new QLabel(path.isEmpty() ? QStringLiteral("投票ファイルが指定されていません。") : path));
    if (!error.isEmpty()) layout->addWidget(new QLabel(error));
    auto* table = new QTableWidget(static_cast<int>(tickets.size()), 7);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("日付"), QStringLiteral("場"), QStringLiteral("R"), QStringLiteral("式別"),
         QStringLiteral("方式"), QStringLiteral("金額"), QStringLiteral("買い目")});
    for (int r = 0; r < tickets.size(); ++r)
        for (int c = 0; c < 7; ++c)
            table->setItem(r, c, new QTableWidgetItem(tickets[r].fields[c]));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(table);
    layout->addWidget(new QLabel(summary + QStringLiteral("（この代替プラグインは投票しません）")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QWidget::close);
    layout->addWidget(buttons);
    window.resize(640, 420);
    window.show();
    return app.exec();
}
