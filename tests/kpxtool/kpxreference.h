#pragma once

#include <QByteArray>
#include <QDateTime>

// A deliberately plain second reading of the start-up configuration layout: it rescans
// the whole touch data for every page and shares no code with the builder, so that the
// two can be compared on generated inputs. Small inputs only.
struct ReferenceInput
{
    bool touchIncluded = false;
    QByteArray touch;
    bool variablesIncluded = false;
    QByteArray variables;
    int rpl = 32;
    int start = 0;
    int sound = 1; // 0 buzzer, 1 speaker, 2 silent
    int zva = 0;
    int audio = 0;
    QDateTime stamp;
};

QByteArray referenceKpx(const ReferenceInput &input);
