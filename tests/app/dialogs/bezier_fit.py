#!/usr/bin/env python3
"""Control points of the rounded digit outlines, fitted in a 49 x 83 rectangle.

Written from the fitting rules alone (error by nearest curve points, coordinate search), as a
second implementation the display's fit is compared with. Run it in this folder to write
bezier_fit.txt again.
"""

OUTLINES = {
    'D': ([(6, 4), (5, 5), (5, 6), (8, 9), (12, 11), (36, 11), (39, 4)], [6, 4, 4, 4, 2, 2, 2]),
    'E': ([(4, 9), (4, 39), (6, 40), (7, 40), (9, 38), (11, 36), (11, 12)], [6, 2, 4, 4, 4, 2, 2]),
    'F': ([(37, 36), (39, 38), (41, 40), (42, 40), (44, 39), (44, 6), (42, 4), (41, 4), (39, 8), (37, 12)],
          [6, 4, 4, 2, 2, 2, 4, 4, 4, 2]),
    'M': ([(20, 12), (20, 25), (22, 36), (23, 39), (24, 40), (25, 39), (26, 36), (28, 25), (28, 12), (26, 10),
           (24, 9), (22, 10), (20, 12)], [6, 2, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 2]),
    'N': ([(10, 10), (10, 13), (11, 20), (13, 28), (21, 38), (21, 37), (19, 26), (15, 16), (11, 10), (10, 10)],
          [6, 4, 4, 4, 2, 2, 4, 4, 4, 2]),
    'P': ([(4, 7), (4, 39), (5, 40), (6, 40), (9, 37), (11, 33), (11, 25), (9, 14), (5, 6), (4, 7)],
          [6, 2, 4, 4, 4, 4, 2, 4, 4, 2]),
    'Q': ([(8, 4), (7, 5), (7, 6), (9, 8), (12, 9), (14, 11), (19, 11), (21, 9), (24, 7), (27, 9), (29, 11),
           (34, 11), (36, 9), (39, 8), (41, 6), (41, 5), (40, 4)],
          [6, 4, 4, 4, 4, 2, 2, 4, 4, 4, 2, 2, 4, 4, 4, 4, 2]),
}


def cubic(p0, c1, c2, p3):
    """Coefficients per coordinate of the curve as a cubic in t from -1 to 1."""
    coef = []
    for k in range(2):
        a3 = (3.0 * (c1[k] - c2[k]) + p3[k] - p0[k]) / 8.0
        a2 = 3.0 * (p0[k] + p3[k] - c1[k] - c2[k]) / 8.0
        a1 = (p3[k] - p0[k]) / 2.0 - a3
        a0 = (p0[k] + p3[k]) / 2.0 - a2
        coef.append((a3, a2, a1, a0))
    return coef


def evaluate(coef, q, t):
    d = 0.0
    g = 0.0
    for k in range(2):
        a3, a2, a1, a0 = coef[k]
        b = ((a3 * t + a2) * t + a1) * t + a0
        db = (3.0 * a3 * t + 2.0 * a2) * t + a1
        diff = b - q[k]
        d += diff * diff
        g += diff * db
    return d, g


def fit_error(pts, p0, c1, c2, p3):
    m = len(pts)
    if m < 3:
        return 0.0
    coef = cubic(p0, c1, c2, p3)
    h = 1.0 / m
    total = 0.0
    for q in pts[1:-1]:
        kept = None
        t = -1.0
        while t <= 1.01:
            d, g = evaluate(coef, q, t)
            if d == 0.0:
                kept = (t, 0.0, g)
                break
            if kept is None or d < kept[1]:
                kept = (t, d, g)
            t += h
        if kept[1] == 0.0:
            continue
        t0, _, g0 = kept
        t1 = t0 + h
        if t1 > 1.0:
            t1 = 1.0 - h
        d1, g1 = evaluate(coef, q, t1)
        while d1 != 0.0 and g1 != 0.0:
            t2 = (t0 * g1 - g0 * t1) / (g1 - g0) if g1 != g0 else (t0 + t1) / 2.0
            t2 = min(max(t2, -1.0), 1.0)
            if abs(t2 - t1) < 0.001:
                break
            g0, t0, t1 = g1, t1, t2
            d1, g1 = evaluate(coef, q, t1)
        total += d1
    return total


def fit(pts):
    p0, p3 = pts[0], pts[-1]
    c = [2.0 * pts[1][0] - p0[0], 2.0 * pts[1][1] - p0[1], 2.0 * pts[-2][0] - p3[0], 2.0 * pts[-2][1] - p3[1]]
    anchors = [p0[0], p0[1], p3[0], p3[1]]

    def err():
        return fit_error(pts, p0, (c[0], c[1]), (c[2], c[3]), p3)

    e = err()
    for _ in range(2):
        for k in range(4):
            s = 0.5
            best = c[k]
            while abs(s) >= 0.01:
                c[k] = c[k] + s * (c[k] - anchors[k])
                e2 = err()
                if e2 == e:
                    break
                if e2 < e:
                    e = e2
                    best = c[k]
                else:
                    s = s * (-1.0 / 3.0)
                    c[k] = best
    return c


def controls(points, types):
    out = []
    i = 0
    while i < len(points):
        if types[i] == 4:
            end = i
            while types[end] == 4:
                end += 1
            run = [(float(x), float(y)) for (x, y) in points[i - 1:end + 1]]
            out += fit(run)
            i = end
        i += 1
    return out


if __name__ == '__main__':
    with open('bezier_fit.txt', 'w') as f:
        for key, (points, types) in OUTLINES.items():
            f.write(key + ' ' + ' '.join('%.9f' % v for v in controls(points, types)) + '\n')
