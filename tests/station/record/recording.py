"""Recordings (".hlv") written from one table of field values with an archive writer of our own.

Writes the files the recording tests load, and recording_values.h, the same table for the C++
side. Object records follow the archive format: classes and objects share one index count from 1;
a new class is 0xFFFF, schema, name length, name; a known class 0x8000 | index; a stored object
its index; a null pointer 0.
"""
import os
import struct

import encoder

# ---------------------------------------------------------------- the archive


class Archive:
    def __init__(self):
        self.out = bytearray()
        self.index = {}
        self.count = 1

    def word(self, v):
        self.out += struct.pack("<H", v & 0xFFFF)

    def dword(self, v):
        self.out += struct.pack("<I", v & 0xFFFFFFFF)

    def long(self, v):
        self.out += struct.pack("<i", v)

    def float(self, v):
        self.out += struct.pack("<f", v)

    def double(self, v):
        self.out += struct.pack("<d", v)

    def raw(self, b):
        self.out += b

    def string(self, s):
        b = s.encode("cp1252")
        if len(b) < 0xFF:
            self.out += struct.pack("<B", len(b))
        elif len(b) < 0xFFFE:
            self.out += struct.pack("<BH", 0xFF, len(b))
        else:
            self.out += struct.pack("<BHI", 0xFF, 0xFFFF, len(b))
        self.out += b

    def rect(self, r):
        for v in r:
            self.long(v)

    def count_(self, n):
        if n < 0xFFFF:
            self.word(n)
        else:
            self.word(0xFFFF)
            self.dword(n)

    def obj(self, o):
        if o is None:
            self.word(0)
            return
        if id(o) in self.index:
            self.word(self.index[id(o)])
            return
        name = o.class_name
        if name in self.index:
            self.word(0x8000 | self.index[name])
        else:
            self.word(0xFFFF)
            self.word(0)
            self.word(len(name))
            self.raw(name.encode("ascii"))
            self.index[name] = self.count
            self.count += 1
        self.index[id(o)] = self.count
        self.count += 1
        o.write(self)

    def obj_list(self, objects):
        self.count_(len(objects))
        for o in objects:
            self.obj(o)

    def end(self):
        self.word(2)


# ---------------------------------------------------------------- drawing objects


class DrawObject:
    class_name = "CDrawObject"

    def __init__(self, rect, pen=(6, 1, 1, 0), brush=(0, 0xC0C0C0, 0), has_pen=1, has_brush=1):
        self.rect, self.pen, self.brush, self.has_pen, self.has_brush = rect, pen, brush, has_pen, has_brush

    def write_base(self, ar):
        ar.rect(self.rect)
        ar.word(self.has_pen)
        ar.dword(self.pen[0])
        ar.long(self.pen[1])
        ar.long(self.pen[2])
        ar.dword(self.pen[3])
        ar.word(self.has_brush)
        ar.dword(self.brush[0])
        ar.dword(self.brush[1])
        ar.long(self.brush[2])
        ar.end()


class DrawText(DrawObject):
    class_name = "CDrawText"

    def __init__(self, rect, text, colour, face="Arial", height=-14):
        super().__init__(rect, pen=(6, 1, 1, colour))
        self.text, self.face, self.height = text, face, height

    def write(self, ar):
        self.write_base(ar)
        ar.string(self.text)
        ar.long(self.height)
        for _ in range(4):
            ar.long(0)
        ar.raw(bytes(8))
        ar.raw(self.face.encode("ascii").ljust(32, b"\0"))
        ar.end()


class DrawLine(DrawObject):
    class_name = "CDrawLine"

    def __init__(self, rect, shown, drag, position, maximum, minimum, colour=0xFF0F0F, width=2):
        super().__init__(rect, pen=(6, width, width, colour), has_brush=0)
        self.shown, self.drag, self.position, self.maximum, self.minimum = shown, drag, position, maximum, minimum

    def write(self, ar):
        ar.dword(self.shown)
        ar.rect(self.drag)
        ar.long(self.position)
        ar.long(self.maximum)
        ar.long(self.minimum)
        ar.end()
        self.write_base(ar)


def write_points(ar, points, capacity):
    ar.word(len(points))
    ar.word(capacity)
    for x, y in points:
        ar.long(x)
        ar.long(y)


class MeasureValue:
    class_name = "CMeasureValue"

    def __init__(self, sample, time, value, scale, fahrenheit, slope):
        self.fields = (sample, time, value, scale, fahrenheit, slope)

    def write(self, ar):
        sample, time, value, scale, fahrenheit, slope = self.fields
        ar.dword(sample)
        ar.dword(time)
        ar.float(value)
        ar.float(scale)
        ar.dword(fahrenheit)
        ar.double(slope)
        ar.end()


class MeasureCurve(DrawObject):
    class_name = "CMeasureCurve"

    def __init__(self, title, key, visible, scale_flag, scale, legend, values, points, capacity, colour, width):
        super().__init__(bounds(points), pen=(6, width, width, colour), has_brush=0)
        self.title, self.key, self.visible, self.scale_flag, self.scale = title, key, visible, scale_flag, scale
        self.legend, self.values, self.points, self.capacity = legend, values, points, capacity
        self.times = (float(values[-1].fields[1]), float(values[-2].fields[1]), float(values[-3].fields[1]))
        self.history = (100.5, 99.25, 98.0)

    def write(self, ar):
        ar.string(self.title)
        ar.string(self.key)
        ar.dword(self.visible)
        ar.dword(self.scale_flag)
        ar.float(self.scale)
        ar.obj(self.legend)
        ar.dword(0)  # first-sample flag
        for t in self.times:
            ar.double(t)
        for h in self.history:
            ar.double(h)
        ar.obj_list(self.values)
        ar.end()
        self.write_base(ar)
        write_points(ar, self.points, self.capacity)
        ar.end()


class ProcessStateValues:
    class_name = "CProcessStateValues"

    def __init__(self, sample, time, state):
        self.fields = (sample, time, state)

    def write(self, ar):
        for v in self.fields:
            ar.dword(v)
        ar.end()


class ProcessStateCurve(DrawObject):
    class_name = "CProcessStateCurve"

    def __init__(self, title, key, visible, legend, values, points, rect, colour, bar_height, frame):
        super().__init__(rect, brush=(0, colour, 0))
        self.title, self.key, self.visible, self.legend, self.values = title, key, visible, legend, values
        self.points, self.bar_height, self.frame = points, bar_height, frame

    def write(self, ar):
        ar.string(self.title)
        ar.string(self.key)
        ar.dword(self.visible)
        ar.obj(self.legend)
        ar.obj_list(self.values)
        ar.end()
        ar.word(len(self.points))
        ar.word(len(self.points) + 3)
        ar.dword(self.bar_height)
        ar.dword(self.frame)
        for x, y in self.points:
            ar.long(x)
            ar.long(y)
        ar.end()
        self.write_base(ar)


class ReferenceLine(DrawObject):
    class_name = "CReferenceLine"

    def __init__(self, title, key, visible, value, legend, points, colour, width):
        super().__init__(bounds(points), pen=(6, width, width, colour), has_brush=0)
        self.title, self.key, self.visible, self.value, self.legend, self.points = title, key, visible, value, legend, points

    def write(self, ar):
        ar.string(self.title)
        ar.string(self.key)
        ar.dword(self.visible)
        ar.long(self.value)
        ar.obj(self.legend)
        ar.end()
        self.write_base(ar)
        write_points(ar, self.points, len(self.points) + 6)
        ar.end()


def bounds(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys))


# ---------------------------------------------------------------- the table

TABLE = {
    "sampling_interval": 2000, "station_rate": 3, "sample_count": 5, "recording_time": 8,
    "curve_legend_place": (60, 16, 160, 32), "program": 4, "t1": 150, "time": 60, "t2": 217, "t3": 235,
    "tl": 183, "energy": 7, "sensor": "IR-Sensor", "unit": " \u00b0C", "fahrenheit": 0,
    "operator_text": "M\u00fcller", "board": "Board X1", "component": "BGA 256", "test_date": "24.5.2004 13:07",
    "header": "Kopfzeile der Messung", "pip_cal": 1, "soft_cal": 0, "buzzer": 2,
    "aperture_x": "8,0 x 8 mm", "aperture_y": "5,0 x 5 mm", "pin1": "Rechts oben", "profile_type": "Einl\u00f6ten",
    "factor1": 1.25, "factor2": 0.75, "tinit": 45, "auto_record": 1, "reserved": 0x12345678,
    "analyse_count": 2,
    # (position, value, slope) of "TE-Solder", then of "IRS-Solder", per point
    "analyse": [((3.0, 100.5, 1.25), (3.0, 101.5, 0.5)), ((6.0, 110.0, 2.0), (6.0, 120.25, -0.5))],
    "left_logo": 1, "right_logo": 0,
    "back_color": 0xFFFFFF, "map_mode": 1, "page": (1920, 590), "pen": 2, "grid": 1, "grid_color": 0xD20000,
    "time_base": 300, "time_interval": 20, "temp_base": 250, "temp_interval": 25,
    "text1": "erster Text", "text2": "",
    "curve_values": [(1, 0, 100.0, 1.0, 0, 0.0), (2, 2, 102.5, 1.0, 0, 1.25), (3, 4, 104.0, 1.0, 0, 1.0),
                     (4, 6, 110.0, 1.0, 0, 1.5), (5, 8, 112.5, 1.0, 0, 0.625)],
    "bar_states": [0, 1, 1, 0, 1],
    "cursor_position": 6,
}


def make_document(version, logo, slot3=False, wrapped_capacity=False, object_in_list=None, line_in_labels=False,
                  bad_logo=None, back_differs=False, share=None):
    """share(parts): puts one object into a second place before writing; parts holds the lists
    curves, lines, bars, point_lines, temp_list and time_list and the cursor."""
    t = TABLE
    legends = {}

    def legend(name, colour, y):
        legends[name] = DrawText((60, y, 160, y + 16), name, colour)
        return legends[name]

    def curve(title, key, visible, colour, shift):
        values = [MeasureValue(s, tm, v + shift, sc, f, sl) for (s, tm, v, sc, f, sl) in t["curve_values"]]
        points = [(60 + 2 * v.fields[1], 590 - int(v.fields[2])) for v in values]
        capacity = len(points) + 5
        if wrapped_capacity:
            capacity = 2  # as written by older versions once the count passed 65,535
        return MeasureCurve(title, "Drawing\\" + key, visible, 1, 1.0, legend(title, colour, 16 + 16 * len(legends)),
                            values, points, capacity, colour, 2)

    curves = [None, curve("TE-Sensor", "TE-Solder", 1, 0x00FF00, 0.0), None,
              curve("IR-Sensor", "IRS-Solder", 1, 0x0000FF, 1.0)]
    if slot3:
        curves[0] = curve("TE-OSTR", "TE-TopHeater", 1, 0x00FF00, 2.0)
        curves[2] = curve("IRS-Oberfl\u00e4che", "IRS-Surface", 1, 0x0000FF, 3.0)
    lines = []
    for n, value in enumerate((t["t1"], t["t2"], t["t3"])):
        y = 590 - value
        points = [(60, y), (359, y), (360, y), (659, y)]
        lines.append(ReferenceLine("T%d " % (n + 1), "Drawing\\Parameter T%d" % (n + 1), n % 2, value,
                                   DrawText((0, y - 15, 50, y), "T%d " % (n + 1), 0xD20000), points, 0xD20000, 2))
    bars = []
    bar_names = [("Fan", "ProcessFan"), ("Pipette", "ProcessPip"), ("Pumpe", "ProcessPump"), ("Arm", "ProcessArm"),
                 ("Oben.St.", "ProcessOstr"), ("Unten.St.", "ProcessUstr")]
    for n, (title, key) in enumerate(bar_names):
        colour = 0xEE2A11 if n < 4 else 0x0000FF
        values = [ProcessStateValues(i + 1, 2 * i, (s + n) % 2) for i, s in enumerate(t["bar_states"])]
        points = [(60 + 2 * v.fields[1], v.fields[2]) for v in values]
        top = 508 + 14 * n
        bars.append(ProcessStateCurve(title, "Drawing\\" + key, 1, DrawText((0, top - 4, 61, top + 10), title, colour),
                                      values, points, (60, top, 76, top + 14), colour, 10, 0))
    cursor = DrawLine((72, 0, 74, 490), 1, (60, 0, 960, 490), t["cursor_position"], 300, 0)
    point_lines = [DrawLine((65, 0, 67, 490), 1, (0, 0, 0, 0), 3, 300, 0, colour=0, width=1),
                   DrawLine((71, 0, 73, 490), 1, (0, 0, 0, 0), 6, 300, 0, colour=0, width=1), None, None]
    temp_labels = [DrawText((0, 340, 55, 356), "250", 0xD20000), DrawText((0, 490, 55, 506), "0", 0xD20000)]
    time_labels = [DrawText((60, 492, 100, 508), "0 s", 0xD20000), DrawText((360, 492, 400, 508), "300 s", 0xD20000)]

    parts = {"curves": curves, "lines": lines, "bars": bars, "point_lines": point_lines, "cursor": cursor,
             "temp_list": list(temp_labels), "time_list": list(time_labels)}
    if share is not None:
        share(parts)
    cursor = parts["cursor"]

    objects = []
    for c in curves:
        if c is not None:
            objects += [c, c.legend]
    for b in bars:
        objects += [b, b.legend]
    objects += [lines[0], lines[0].legend, cursor]
    if version >= 33:
        objects += [point_lines[0], point_lines[1]]
    objects += temp_labels + time_labels
    if object_in_list is not None:
        objects.append(object_in_list)
    label_list = parts["time_list"]
    if line_in_labels:
        label_list.append(cursor)

    ar = Archive()
    ar.dword(t["sampling_interval"])
    ar.dword(t["station_rate"])
    ar.dword(t["sample_count"])
    ar.dword(t["recording_time"])
    ar.rect(t["curve_legend_place"])
    for key in ("program", "t1", "time", "t2", "t3", "tl", "energy"):
        ar.dword(t[key])
    ar.string(t["sensor"])
    ar.string(t["unit"])
    ar.dword(t["fahrenheit"])
    for key in ("operator_text", "board", "component", "test_date", "header"):
        ar.string(t[key])
    for c in curves:
        ar.obj(c)
    for line in lines:
        ar.obj(line)
    ar.dword(t["pip_cal"])
    ar.dword(t["soft_cal"])
    ar.dword(t["buzzer"])
    for key in ("aperture_x", "aperture_y", "pin1", "profile_type"):
        ar.string(t[key])
    ar.float(t["factor1"])
    ar.float(t["factor2"])
    ar.dword(t["tinit"])
    for b in bars:
        ar.obj(b)
    ar.obj(cursor)
    ar.dword(t["analyse_count"])
    for i in range(4):
        for curve_point in (t["analyse"][i] if i < len(t["analyse"]) else ((0.0, 0.0, 0.0), (0.0, 0.0, 0.0))):
            for d in curve_point:
                ar.double(d)
    ar.dword(t["auto_record"])
    ar.word(version)
    if version >= 33:
        ar.dword(t["reserved"])
        for line in point_lines:
            ar.obj(line)
    if version >= 34:
        ar.dword(t["left_logo"])
        ar.dword(t["right_logo"])
        if bad_logo is not None:
            ar.dword(1)
            ar.raw(bad_logo)
        elif logo:
            ar.dword(1)
            ar.raw(encoder.logo_bmp())
        else:
            ar.dword(0)
    # Field 6 repeats the back colour; when the copies differ the second one counts.
    ar.dword(t["back_color"] ^ 0x0F0F0F if back_differs else t["back_color"])
    ar.dword(t["map_mode"])
    ar.long(t["page"][0])
    ar.long(t["page"][1])
    ar.dword(t["pen"])
    ar.dword(t["grid"])
    ar.dword(t["back_color"])
    ar.dword(t["grid_color"])
    for key in ("time_base", "time_interval", "temp_base", "temp_interval"):
        ar.dword(t[key])
    ar.string(t["text1"])
    ar.string(t["text2"])
    ar.obj_list(objects)
    ar.obj_list(parts["temp_list"])
    ar.obj_list(label_list)
    ar.end()
    return bytes(ar.out)


def _set(seq, index, value):
    seq[index] = value


SHARED_OWNERS = {
    "two_slots": lambda p: _set(p["curves"], 3, p["curves"][1]),
    "surface_is_solder": lambda p: _set(p["curves"], 2, p["curves"][1]),
    "line_twice": lambda p: _set(p["lines"], 2, p["lines"][0]),
    "point_line_is_cursor": lambda p: _set(p["point_lines"], 2, p["cursor"]),
    "curve_and_bar_legend": lambda p: setattr(p["bars"][0], "legend", p["curves"][1].legend),
    "two_line_legends": lambda p: setattr(p["lines"][1], "legend", p["lines"][0].legend),
    "value_in_two_lists": lambda p: _set(p["curves"][3].values, 0, p["curves"][1].values[0]),
    "value_twice_in_a_list": lambda p: _set(p["curves"][1].values, 4, p["curves"][1].values[0]),
    "bar_state_in_two_bars": lambda p: _set(p["bars"][2].values, 1, p["bars"][1].values[1]),
    "legend_as_label": lambda p: p["temp_list"].append(p["curves"][3].legend),
}


def write_recordings(outdir):
    files = {
        "v32.hlv": make_document(32, False),
        "v33.hlv": make_document(33, False, back_differs=True),
        "v34_logo.hlv": make_document(34, True),
        "v34_nologo.hlv": make_document(34, False),
        "v34_slot3.hlv": make_document(34, False, slot3=True),
        "v34_wrapped.hlv": make_document(34, False, wrapped_capacity=True),
        "bad_version35.hlv": make_document(35, False),
        "bad_value_in_objects.hlv": make_document(34, False, object_in_list=MeasureValue(9, 9, 1.0, 1.0, 0, 0.0)),
        "bad_line_in_labels.hlv": make_document(34, False, line_in_labels=True),
        "bad_logo_magic.hlv": make_document(34, False, bad_logo=b"XM" + encoder.logo_bmp()[2:]),
        "bad_logo_sizes.hlv": make_document(34, False, bad_logo=encoder.bmp(
            4, 2, 8, encoder.grey_palette(256), [b"\1\2\3\4", b"\5\6\7\x08"], header_width=0x7FFFFFFF)),
    }
    # One object in two places that own it: every such file is damaged.
    for name, share in SHARED_OWNERS.items():
        files["bad_shared_" + name + ".hlv"] = make_document(34, False, share=share)
    # A label in both label lists (besides the object list) is shared legitimately.
    files["v34_label_twice.hlv"] = make_document(
        34, False, share=lambda p: p["time_list"].append(p["temp_list"][0]))
    good = files["v34_nologo.hlv"]
    files["bad_truncated.hlv"] = good[:len(good) // 2]
    for name, data in files.items():
        encoder.write(outdir, name, data)
    write_values_header(os.path.join(outdir, "recording_values.h"))


def write_values_header(path):
    t = TABLE
    cstr = lambda s: '"' + "".join(c if ord(c) < 128 else "\\x%02X\" \"" % ord(c.encode("cp1252")) for c in s) + '"'
    lines = ["// Written by recording.py: the field values of the test recordings.", "#pragma once", "",
             "namespace recording_values", "{"]
    for key, value in t.items():
        if isinstance(value, str):
            lines.append("const char %s[] = %s;" % (key, cstr(value)))
        elif isinstance(value, float):
            lines.append("const double %s = %r;" % (key, value))
        elif isinstance(value, int):
            lines.append("const int %s = %d;" % (key, value))
    lines.append("const int curve_legend_place[4] = {%s};" % ", ".join(map(str, t["curve_legend_place"])))
    lines.append("const int page[2] = {%d, %d};" % t["page"])
    rows = []
    for point in t["analyse"]:
        rows.append("{{%r, %r, %r}, {%r, %r, %r}}" % (point[0] + point[1]))
    lines.append("const double analyse[%d][2][3] = {%s};" % (len(rows), ", ".join(rows)))
    vrows = ["{%d, %d, %r, %r, %d, %r}" % v for v in t["curve_values"]]
    lines.append("struct CurveValue { int sample, time; double value, scale; int fahrenheit; double slope; };")
    lines.append("const CurveValue curve_values[%d] = {%s};" % (len(vrows), ", ".join(vrows)))
    lines.append("const int bar_states[%d] = {%s};" % (len(t["bar_states"]), ", ".join(map(str, t["bar_states"]))))
    lines += ["} // namespace recording_values", ""]
    with open(path, "w") as f:
        f.write("\n".join(lines))
