#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

// Program-wide values of the main window, read by the about box, the reports and the HTML pages.

// "Curiodex/Vaultry Edition".
QString DefaultProductTitle();
// The product's full title; set again when the main window first becomes active.
extern QString ProductTitle;
// Where the help topics live (a resource folder).
extern QString HelpFilePath;
// An empty picture: showing it clears a picture control.
extern QImage BlankPicture;

// The program's version, "2.1.0.0".
QString VersionText();

// The maker's web page with the newest version, its support address, and eBay's home page.
QUrl UpdatePageAddress();
QString SupportAddress();
QUrl EbayHomePage();
