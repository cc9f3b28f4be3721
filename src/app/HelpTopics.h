#pragma once

#include <QList>
#include <QUrl>

// The help topics built into the program, one per help context number.
class HelpTopics
{
public:
    static constexpr int MainWindow = 1000;
    static constexpr int Tutorial = 5001;
    static constexpr int Faq = 5002;

    // Every help context that has a topic, ascending.
    static QList<int> contexts();
    static bool hasTopic(int context);
    // The topic of the context; the contents page for a context without a topic.
    static QUrl topicUrl(int context);
    static QUrl contentsUrl();
    // The context a topic address belongs to; 0 for the contents page and other pages.
    static int contextOf(const QUrl &url);
};
