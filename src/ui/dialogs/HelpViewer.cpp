#include "ui/dialogs/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel {

QString HelpFilePath() {
    return QDir::currentPath() + QStringLiteral("/Help/Help.html");
}

QStringList HelpFileCandidates() {
    QStringList paths{HelpFilePath()};
    if (QCoreApplication::instance() != nullptr) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        paths.append(QDir::cleanPath(programFolder + QStringLiteral("/Help/Help.html")));
        paths.append(
            QDir::cleanPath(programFolder + QStringLiteral("/../share/quorvel/Help/Help.html")));
    }
    paths.removeDuplicates();
    return paths;
}

namespace {

QString MissingFilePage(const QStringList& paths) {
    QString list;
    for (const QString& path : paths) {
        list += QStringLiteral("<li><b>%1</b></li>").arg(path.toHtmlEscaped());
    }
    return QStringLiteral("<h2>Файл справки не найден</h2>"
                          "<p>Файл справки Help.html не найден или недоступен для чтения. "
                          "Программа искала его здесь, в таком порядке:</p>"
                          "<ol>%1</ol>"
                          "<p>Первое место &mdash; папка Help в текущей папке, второе &mdash; "
                          "папка Help рядом с программой, третье &mdash; папка данных "
                          "установленной программы (share/quorvel/Help). Положите папку Help "
                          "с файлом Help.html в одно из этих мест и снова выберите Help, "
                          "Contents.</p>")
        .arg(list);
}

QString HowToUsePage() {
    return QStringLiteral(
        "<h2>Как пользоваться справкой</h2>"
        "<p>Справка открывается в этом окне командами меню Help главного окна:</p>"
        "<ul>"
        "<li><b>Contents</b> &mdash; оглавление и текст руководства пользователя;</li>"
        "<li><b>How to Use Help</b> &mdash; эти указания.</li>"
        "</ul>"
        "<h3>Переходы</h3>"
        "<ul>"
        "<li>Подчеркнутые ссылки ведут к разделам руководства: щелкните ссылку мышью или "
        "выберите ее клавишей Tab и нажмите Enter.</li>"
        "<li>Кнопка <b>Назад</b> (или Alt+Стрелка влево) возвращает к предыдущей странице, "
        "кнопка <b>Вперед</b> (Alt+Стрелка вправо) снова открывает ту, с которой вы "
        "вернулись.</li>"
        "<li>Кнопка <b>Содержание</b> открывает начало руководства.</li>"
        "</ul>"
        "<h3>Просмотр и копирование</h3>"
        "<ul>"
        "<li>Текст прокручивается колесом мыши, полосой прокрутки и клавишами Page Up, "
        "Page Down, Home и End.</li>"
        "<li>Выделенный мышью текст копируется в буфер обмена клавишами Ctrl+C.</li>"
        "</ul>"
        "<p>Окно справки не мешает работе с программой: его можно оставить открытым "
        "рядом с главным окном и закрыть кнопкой <b>Закрыть</b> или клавишей Escape.</p>"
        "<p>Файл руководства &mdash; Help/Help.html в текущей папке; если его там нет, "
        "он берется из папки Help рядом с программой или из папки данных установленной "
        "программы (share/quorvel/Help).</p>");
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Справка"));
    resize(640, 560);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    backButton_ = new QPushButton(QStringLiteral("Назад"), this);
    forwardButton_ = new QPushButton(QStringLiteral("Вперед"), this);
    contentsButton_ = new QPushButton(QStringLiteral("Содержание"), this);
    auto* closeButton = new QPushButton(QStringLiteral("Закрыть"), this);
    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(backButton_);
    buttons->addWidget(forwardButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QWidget::setEnabled);
    // The path is built again, so the button follows the current directory as the menu does.
    connect(contentsButton_, &QPushButton::clicked, this,
            [this] { ShowContents(HelpFileCandidates()); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void HelpViewer::ShowContents(const QString& path) {
    ShowContents(QStringList{path});
}

void HelpViewer::ShowContents(const QStringList& candidates) {
    for (const QString& path : candidates) {
        const QFileInfo file(path);
        if (file.isFile() && file.isReadable()) {
            browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
            ShowPage();
            return;
        }
    }
    browser_->clearHistory();
    browser_->setHtml(MissingFilePage(candidates));
    ShowPage();
}

void HelpViewer::ShowHowToUse() {
    browser_->clearHistory();
    browser_->setHtml(HowToUsePage());
    ShowPage();
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpViewer::ShowPage() {
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

} // namespace quorvel
