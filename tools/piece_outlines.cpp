#include "tools/piece_outlines.h"

#include <QPolygonF>
#include <QTransform>

#include <initializer_list>

namespace {

QPainterPath Circle(double cx, double cy, double r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath RoundRect(double x, double y, double w, double h, double r)
{
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Line(QPointF from, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

// The foot every piece stands on.
void AddFoot(DrawnPiece& piece)
{
    piece.parts.push_back(RoundRect(20, 81, 60, 11, 5));
    piece.parts.push_back(RoundRect(27, 73, 46, 10, 4));
}

DrawnPiece Pawn()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{35, 75}, {43, 50}, {57, 50}, {65, 75}}));
    AddFoot(piece);
    piece.parts.push_back(RoundRect(37, 46, 26, 8, 4));
    piece.parts.push_back(Circle(50, 33, 14));
    return piece;
}

DrawnPiece Knight()
{
    DrawnPiece piece;
    // A horse's head looking left: muzzle low on the left, ears on top,
    // the mane falling down the right.
    piece.parts.push_back(Polygon({{31, 75}, {35, 62}, {30, 55}, {21, 53}, {16, 46}, {19, 39}, {33, 28},
        {37, 14}, {44, 22}, {52, 17}, {66, 25}, {75, 42}, {77, 60}, {71, 75}}));
    AddFoot(piece);
    piece.innerLines.addPath(Line({36, 35}, {37, 35})); // the eye
    piece.innerLines.addPath(Line({22, 47}, {23, 47})); // the nostril
    QPainterPath mane;
    mane.moveTo(55, 24);
    mane.quadTo(67, 38, 66, 68);
    piece.innerLines.addPath(mane);
    return piece;
}

DrawnPiece Bishop()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{37, 75}, {44, 55}, {56, 55}, {63, 75}}));
    AddFoot(piece);
    piece.parts.push_back(Ellipse(50, 36, 15, 20));
    piece.parts.push_back(RoundRect(35, 51, 30, 8, 4));
    piece.parts.push_back(Circle(50, 13, 5));
    piece.innerLines.addPath(Line({57, 26}, {48, 38})); // the mitre's cleft
    return piece;
}

DrawnPiece Rook()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{33, 75}, {36, 38}, {64, 38}, {67, 75}}));
    AddFoot(piece);
    const QPainterPath top = RoundRect(28, 18, 44, 22, 3);
    QPainterPath notches = RoundRect(38, 14, 8, 12, 2);
    notches.addPath(RoundRect(54, 14, 8, 12, 2));
    piece.parts.push_back(top.subtracted(notches));
    return piece;
}

DrawnPiece Queen()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{35, 75}, {37, 58}, {63, 58}, {65, 75}}));
    AddFoot(piece);
    // A crown of five points, each with a ball.
    piece.parts.push_back(Polygon({{24, 27}, {34, 43}, {37, 20}, {45, 40}, {50, 15}, {55, 40}, {63, 20},
        {66, 43}, {76, 27}, {67, 60}, {33, 60}}));
    for (const QPointF tip :
        {QPointF(24, 25), QPointF(37, 18), QPointF(50, 13), QPointF(63, 18), QPointF(76, 25)}) {
        piece.parts.push_back(Circle(tip.x(), tip.y(), 4.5));
    }
    piece.parts.push_back(RoundRect(31, 56, 38, 7, 3.5));
    return piece;
}

DrawnPiece King()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{35, 75}, {33, 46}, {67, 46}, {65, 75}}));
    AddFoot(piece);
    piece.parts.push_back(Ellipse(50, 42, 20, 14));
    piece.parts.push_back(RoundRect(30, 51, 40, 8, 4));
    QPainterPath cross = RoundRect(46.5, 7, 7, 23, 2);
    cross = cross.united(RoundRect(40, 12, 20, 7, 2));
    piece.parts.push_back(cross);
    piece.innerLines.addPath(Line({37, 36}, {63, 36})); // the band round the crown
    return piece;
}

// The angular pieces are slimmer than the rounded ones and stand on a wide,
// low plinth with sloping sides: drawn here at full width, narrowed by
// SlimAngular afterwards.
constexpr double AngularWidth = 0.8;

void AddPlinth(DrawnPiece& piece)
{
    piece.parts.push_back(Polygon({{2.5, 92}, {97.5, 92}, {90, 83}, {10, 83}}));
}

DrawnPiece SlimAngular(DrawnPiece piece)
{
    QTransform narrow;
    narrow.translate(50, 0);
    narrow.scale(AngularWidth, 1);
    narrow.translate(-50, 0);
    for (QPainterPath& part : piece.parts) {
        part = narrow.map(part);
    }
    piece.innerLines = narrow.map(piece.innerLines);
    return piece;
}

DrawnPiece AngularPawn()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{33, 81}, {43, 52}, {57, 52}, {67, 81}}));
    AddPlinth(piece);
    piece.parts.push_back(Polygon({{32, 52}, {68, 52}, {62, 45}, {38, 45}}));
    piece.parts.push_back(
        Polygon({{44, 45}, {37, 38}, {37, 28}, {44, 21}, {56, 21}, {63, 28}, {63, 38}, {56, 45}}));
    return piece;
}

DrawnPiece AngularKnight()
{
    DrawnPiece piece;
    // A horse's head cut in facets, looking right (the rounded knight looks
    // left): muzzle to the right, ears up, a straight back of the neck.
    piece.parts.push_back(Polygon({{70, 81}, {62, 60}, {76, 60}, {88, 50}, {86, 42}, {70, 26}, {66, 8},
        {57, 19}, {48, 11}, {44, 20}, {28, 32}, {20, 56}, {24, 81}}));
    AddPlinth(piece);
    piece.innerLines.addPath(Line({68, 34}, {60, 36})); // the eye
    piece.innerLines.addPath(Line({80, 47}, {74, 50})); // the mouth
    piece.innerLines.addPath(Line({62, 60}, {54, 46})); // the jaw
    return piece;
}

DrawnPiece AngularBishop()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{35, 81}, {44, 56}, {56, 56}, {65, 81}}));
    AddPlinth(piece);
    piece.parts.push_back(Polygon({{50, 8}, {66, 30}, {60, 50}, {40, 50}, {34, 30}}));
    piece.parts.push_back(Polygon({{30, 56}, {70, 56}, {64, 48}, {36, 48}}));
    piece.innerLines.addPath(Line({58, 22}, {46, 36})); // the mitre's cleft
    return piece;
}

DrawnPiece AngularRook()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{30, 81}, {35, 40}, {65, 40}, {70, 81}}));
    AddPlinth(piece);
    piece.parts.push_back(Polygon({{24, 42}, {24, 12}, {35, 12}, {35, 22}, {45, 22}, {45, 12}, {55, 12},
        {55, 22}, {65, 22}, {65, 12}, {76, 12}, {76, 42}}));
    piece.innerLines.addPath(Line({33, 60}, {67, 60})); // a course of the wall
    return piece;
}

DrawnPiece AngularQueen()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{33, 81}, {40, 58}, {60, 58}, {67, 81}}));
    AddPlinth(piece);
    // A crown of five spikes.
    piece.parts.push_back(Polygon({{18, 14}, {34, 40}, {36, 8}, {46, 36}, {50, 4}, {54, 36}, {64, 8},
        {66, 40}, {82, 14}, {68, 60}, {32, 60}}));
    piece.innerLines.addPath(Line({31, 50}, {69, 50})); // the band of the crown
    return piece;
}

DrawnPiece AngularKing()
{
    DrawnPiece piece;
    piece.parts.push_back(Polygon({{33, 81}, {38, 56}, {62, 56}, {67, 81}}));
    AddPlinth(piece);
    piece.parts.push_back(Polygon({{26, 38}, {36, 26}, {64, 26}, {74, 38}, {66, 58}, {34, 58}}));
    piece.parts.push_back(Polygon({{46, 28}, {46, 18}, {38, 18}, {38, 11}, {46, 11}, {46, 3}, {54, 3},
        {54, 11}, {62, 11}, {62, 18}, {54, 18}, {54, 28}}));
    piece.innerLines.addPath(Line({30, 42}, {70, 42})); // the band of the crown
    return piece;
}

} // namespace

DrawnPiece OutlinedPiece(DrawnDesign design, int frame)
{
    if (design == DrawnDesign::Angular) {
        switch (frame) {
        case 0:
            return SlimAngular(AngularPawn());
        case 1:
            return SlimAngular(AngularKnight());
        case 2:
            return SlimAngular(AngularBishop());
        case 3:
            return SlimAngular(AngularRook());
        case 4:
            return SlimAngular(AngularQueen());
        default:
            return SlimAngular(AngularKing());
        }
    }
    switch (frame) {
    case 0:
        return Pawn();
    case 1:
        return Knight();
    case 2:
        return Bishop();
    case 3:
        return Rook();
    case 4:
        return Queen();
    default:
        return King();
    }
}
