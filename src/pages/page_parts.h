#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <initializer_list>

// The window parts every page is built from, so that the pages look and behave alike.
namespace vor::pages {

// A button that Enter in a field does not press: the pages act on clicks only.
QPushButton* Button(const QString& caption, QWidget* parent);
// The same button, added at the end of `row`.
QPushButton* AddButton(QBoxLayout& row, const QString& caption, QWidget* parent);
// The page's own buttons at the left and "Затвори" at the right, which closes the page.
QHBoxLayout* ButtonRow(QDialog& page, std::initializer_list<QPushButton*> left);
// The sunken status line "StatusBar1" at the page's foot.
QLabel* SunkenStatus(const QString& text, QWidget* parent);
// The page's parts (widgets or layouts) one under another, the page sized to what shows:
// hidden rows give their room back.
QVBoxLayout* PageColumn(QDialog& page, std::initializer_list<QObject*> parts);

}  // namespace vor::pages
