#pragma once

#include <QDateTime>
#include <QString>

#include "record/game_modes.h"

#include <span>

class TTextStore;

// The descriptive strings of a game, which are its PGN tags.
struct TInfoRec {
    QString Event;
    QString Site;
    QString Round;
    QString Date;
    QString Time;
    QString Opening;
    QString ECO;
    QString White;
    QString WhiteTitle;
    QString WhiteELO;
    QString WhiteCountry;
    QString WhiteEmail;
    QString WhiteTcpip;
    QString Black;
    QString BlackTitle;
    QString BlackELO;
    QString BlackCountry;
    QString BlackEmail;
    QString BlackTcpip;
    QString Annotator;
    QString EventDate;

    bool operator==(const TInfoRec&) const = default;
};

// The information of the current game.
extern TInfoRec GameInfo;

struct TInfoField {
    QString name; // as the field is called, which is also its tag and key
    QString TInfoRec::*member;
};

// The 21 fields in the record's order.
std::span<const TInfoField> InfoFields();

// The field of that name, case ignored; null for any other name.
const TInfoField* FindInfoField(QStringView name);

void ClearGameInfo(TInfoRec& info);

// Fills what a game about to be played lacks: an event, site and round, the
// date and time when neither is known, and the application title as the name
// of a side the computer plays. A name the user typed is never replaced.
void InitGameInfo(TInfoRec& info, TPlayKind playKind, const QString& title, const QDateTime& now);

// False for an empty text, "-", "?" and anything beginning with "??": the
// placeholders of an unknown value. Exports show only informative fields.
bool InformativeValue(const QString& text);

// Given a line split into its first word and the rest: when the word is a
// field name followed by ":" (case ignored) the field takes the rest.
bool ReadInfoKey(TInfoRec& info, const QString& word, const QString& rest);

// Every non-empty field as a "Name: value" line, event and dates first, then
// each player's fields together.
void WriteInfoKeys(TTextStore& store, const TInfoRec& info);

// The captions beside the board: "White" or "White: name".
QString WhiteLabelText(const TInfoRec& info);
QString BlackLabelText(const TInfoRec& info);
