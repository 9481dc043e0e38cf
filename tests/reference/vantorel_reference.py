#!/usr/bin/env python3
"""Second, independent implementation of the Vantorel calculation.

Reads an input file, runs the calculation with the answers given on the
command line and writes the output file, the way the batch runner does, so
that both can be compared byte for byte.  Standard library only: every
quantity is a Python float (an IEEE double), and every operation is written
out one at a time in the order of the model's formulas, so that the rounding
is the same as in the engine.

Usage: vantorel_reference.py [--output=PATH] [--drainage-opt=yes|no]
                             [--fit-choice=yes|no] [--leaching-opt=yes|no]
                             [--yes] FILE.inp

Messages are printed as "! TEXT", questions as "? TEXT -> yes|no".
Exit status: 0 completed, 1 stopped or refused, 2 unreadable input or bad options.
"""

import math
import os
import re
import sys

EXIT_OK = 0
EXIT_STOPPED = 1
EXIT_BAD_INPUT = 2

STOP_TEXT = ("The water table is below the bottom of the aquifer. "
             "Calculations stopped.  Please adjust data.")
OLDER_FILE_TEXT = ("This is an older input file. Please check all the data, "
                   "there may be some incomplete or incorrect data.")
LONG_DRAIN_QUESTION = (
    "Do you want Vantorel to optimize the drainage capacity to find the best "
    "water balance or the best fit of simulated to observed discharge or water "
    "table data?")
SHORT_DRAIN_QUESTION = ("Do you want Vantorel to optimize the drainage capacity "
                        "to create a proper water balance?")
LEACHING_QUESTION = (
    "There are one or more soil layers with enough data on measured salinity to "
    "optimize the leaching efficiency. Do you want to do the optimization?")
NOT_OPTIMIZED_TEXT = (" The drainage factors could not be optimized The QH1 and "
                      "QH2 values given in the input file are used.")
DWT_SECOND_CHANCE_TEXT = ("The drainage factors QH1 and QH2 are optimized from the "
                          "depth of the water table")
DRAIN_SECOND_CHANCE_TEXT = ("The drainage factors QH1 and QH2 are optimized from the "
                            "drain discharge")

MISSING_DEPTH = -1000.0   # DwtMeas, DrainMeas not measured
MISSING_SALT = -1.0       # measured salinities and initial salinities not entered

# Zone indices of the five-element run values (LEGiven, LEOptimized, SaltFitNA).
L1, L2, L3, LT, LA = range(5)


class InputError(Exception):
    """The input file cannot be read."""


class RunStopped(Exception):
    """The run ends without output; the message has been shown."""


# --------------------------------------------------------------------------
# Number text

_NUMBER = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\Z")


def string_to_float(text):
    """Decimal number with a point, blanks around it allowed."""
    t = text.strip(" ")
    if not _NUMBER.match(t):
        raise InputError("'%s' is not a valid floating point value" % text)
    return float(t)


def fixed(value, width, decimals):
    """R(w,d) / F(w,d): C-style "%w.df" (exact value, rounded correctly)."""
    return format(value, "%d.%df" % (width, decimals))


# --------------------------------------------------------------------------
# The data set


class DataSet:
    def __init__(self):
        self.FileName = ""
        self.Title1 = ""
        self.Title2 = ""
        self.NrTimeSteps = 11
        self.Ts = 30
        self.NrLayers = 1
        self.LayerIndex = 0
        self.Is1Layer = True
        self.Is2Layer = False
        self.Is3Layer = False
        self.DrainPresent = False
        self.Dd = 0.0
        self.QH1 = 0.0
        self.QH2 = 0.0
        self.Si = 0.0
        self.S1init = self.S2init = self.S3init = 0.0
        self.STinit = self.SAinit = 0.0
        self.DwtInit = 0.0
        self.Dc = 0.0
        self.MoistInit = 0.0
        self.IrrEff = 0.0
        self.Inf = 0.0
        self.Out = 0.0
        self.Sinf = 0.0
        self.RicePresent = False
        self.InfCap = 100.0
        self.RiceTransp = 40.0
        self.D1 = self.D2 = self.D3 = self.Dt = self.Da = 0.0
        self.TP1 = self.TP2 = self.TP3 = self.TPt = self.TPa = 0.0
        self.EffPor1 = self.EffPor2 = self.EffPor3 = self.EffPort = self.EffPora = 0.0
        self.LE1 = self.LE2 = self.LE3 = self.LEt = self.LEa = 0.0
        self.OlderFile = False
        self.NrMeasDwt = 0
        self.NrMeasDrain = 0
        self.allocate(0)

    def allocate(self, n):
        def series():
            return [0.0] * (n + 1)
        self.Rain = series()
        self.Irrig = series()
        self.ETp = series()
        self.Sdr = series()
        self.SdrGiven = series()
        self.DwtMeas = series()
        self.DrainMeas = series()
        self.IrrSpread = series()
        self.S1meas = series()
        self.S2meas = series()
        self.S3meas = series()
        self.STmeas = series()
        self.SAmeas = series()


class LineReader:
    """Fixed-width fields of one text line after another."""

    def __init__(self, text):
        self.lines = text.split("\n")
        for k, line in enumerate(self.lines):
            if line.endswith("\r"):
                self.lines[k] = line[:-1]
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        self.row = 0
        self.col = 0

    def _line(self):
        if self.row >= len(self.lines):
            raise InputError("unexpected end of file")
        return self.lines[self.row]

    def skip(self, n):
        self.field(n)

    def field(self, n):
        line = self._line()
        text = line[self.col:self.col + n]
        self.col = min(len(line), self.col + n)
        return text

    def rest(self):
        line = self._line()
        text = line[self.col:]
        self.col = len(line)
        return text

    def next_line(self):
        self._line()
        self.row += 1
        self.col = 0

    def skip_lines(self, n):
        for _ in range(n):
            self.next_line()

    def integer(self):
        t = self.rest().strip(" ")
        if not re.match(r"[+-]?\d+\Z", t):
            raise InputError("'%s' is not a valid integer" % t)
        return int(t)

    def real_field(self, n):
        return string_to_float(self.field(n))

    def real_rest(self):
        return string_to_float(self.rest())


def _measurement(text, missing):
    t = text.replace(" ", "")
    if t == "" or t == "-":
        return missing
    return string_to_float(t)


def load_input_file(path, show):
    d = DataSet()
    d.FileName = path
    try:
        with open(path, "rb") as f:
            text = f.read().decode("latin-1")
    except OSError as error:
        raise InputError(str(error))
    r = LineReader(text)
    # 1. program line and stored file name
    r.skip_lines(2)
    # 2. titles
    r.skip(28)
    d.Title1 = r.rest()
    r.next_line()
    r.skip(28)
    d.Title2 = r.rest()
    r.next_line()
    r.next_line()
    # 3. general data
    r.skip(28)
    d.NrTimeSteps = r.integer()
    r.next_line()
    r.skip(28)
    d.Ts = r.integer()
    r.next_line()
    r.skip(28)
    d.NrLayers = r.integer()
    d.LayerIndex = d.NrLayers - 1
    r.next_line()
    r.next_line()
    # 4. drainage
    r.skip(28)
    d.DrainPresent = (r.field(4) == "yes")
    r.next_line()
    if d.DrainPresent:
        r.skip(28)
        d.Dd = r.real_field(10)
        r.next_line()
        r.skip(28)
        d.QH1 = r.real_field(10)
        r.next_line()
        r.skip(28)
        d.QH2 = r.real_field(10)
        r.next_line()
    else:
        r.skip_lines(3)
    # 5. layout of the initial data
    current_layout = (r.field(20) != "    Initial data")
    r.next_line()
    # 6.
    r.skip(38)
    d.Si = r.real_field(10)
    r.next_line()
    r.skip(38)
    layers = r.integer()
    r.next_line()
    if layers in (1, 2, 3):
        d.NrLayers = layers
        d.Is1Layer = layers == 1
        d.Is2Layer = layers == 2
        d.Is3Layer = layers == 3
    else:
        d.NrLayers = layers
    r.skip(38)
    d.S1init = r.real_field(10)
    r.next_line()
    # 7.
    if current_layout:
        if d.Is2Layer or d.Is3Layer:
            r.skip(38)
            d.S2init = r.real_field(10)
            r.next_line()
        if d.Is3Layer:
            r.skip(38)
            d.S3init = r.real_field(10)
            r.next_line()
    else:
        d.S2init = d.S1init
        d.S3init = d.S1init
    # 8.
    for name in ("STinit", "SAinit", "DwtInit", "Dc"):
        r.skip(38)
        setattr(d, name, r.real_field(10))
        r.next_line()
    # 9.
    if r.field(18) == " Initial soil mois":
        r.skip(20)
        d.MoistInit = r.real_field(10)
        r.next_line()
        r.skip(38)
        d.IrrEff = r.real_field(10)
        r.next_line()
    else:
        r.skip(20)
        d.IrrEff = r.real_field(10)
        r.next_line()
        d.MoistInit = 50.0
    # 10.
    for name in ("Inf", "Out", "Sinf"):
        r.skip(38)
        setattr(d, name, r.real_field(10))
        r.next_line()
    # 11. rice
    rice_line = (r.field(4) == " Is ")
    if rice_line:
        d.RicePresent = True
        r.skip(34)
        if r.field(8) == "     No":
            d.RicePresent = False
        r.next_line()
        if d.RicePresent:
            r.skip(38)
            d.InfCap = r.real_rest()
            r.next_line()
            r.skip(38)
            d.RiceTransp = r.real_rest()
            r.next_line()
    # 12. up to the hydrological heading (without a rice line the first probe
    # is taken from the same line, after its first 4 characters)
    while True:
        probe = r.field(8)
        r.next_line()
        if probe == " Time St":
            break
    r.next_line()
    # 13. hydrological table
    n = d.NrTimeSteps
    d.allocate(n)
    for i in range(1, n + 1):
        r.field(10)
        d.Rain[i] = r.real_field(15)
        d.Irrig[i] = r.real_field(15)
        d.ETp[i] = r.real_field(15)
        d.Sdr[i] = r.real_field(15)
        d.SdrGiven[i] = d.Sdr[i]
        d.DrainMeas[i] = _measurement(r.field(15), MISSING_DEPTH)
        depth = r.field(15)
        d.DwtMeas[i] = _measurement(depth, MISSING_DEPTH)
        if depth.replace(" ", "") == "":
            d.OlderFile = True
        r.next_line()
    # 14.
    if d.OlderFile:
        show(OLDER_FILE_TEXT)
    d.NrMeasDwt = sum(1 for i in range(1, n + 1) if d.DwtMeas[i] > -1000.0)
    # 15. thicknesses
    r.skip_lines(5)
    if d.Is2Layer or d.Is3Layer:
        r.skip_lines(2)
    if d.Is1Layer:
        d.D1 = r.real_field(10)
        d.Dt = r.real_field(18)
        d.Da = r.real_field(10)
    elif d.Is2Layer:
        d.D1 = r.real_field(10)
        d.D2 = r.real_field(10)
        d.Dt = r.real_field(18)
        d.Da = r.real_field(8)
    else:
        d.D1 = r.real_field(10)
        d.D2 = r.real_field(10)
        d.D3 = r.real_field(10)
        d.Dt = r.real_field(14)
        d.Da = r.real_field(14)
    r.next_line()
    # 16. porosities and leaching efficiencies
    r.skip_lines(2)
    if current_layout:
        r.next_line()
    zones = ["1"]
    if d.Is2Layer or d.Is3Layer:
        zones.append("2")
    if d.Is3Layer:
        zones.append("3")
    zones += ["t", "a"]
    for z in zones:
        r.field(18)
        tp = r.real_field(18)
        ep = r.real_field(18)
        le = r.real_field(18)
        setattr(d, "TP" + z, tp)
        setattr(d, "EffPor" + z, ep)
        setattr(d, "LE" + z, le)
        r.next_line()
    # 17.
    r.skip_lines(3)
    if d.Is2Layer or d.Is3Layer:
        r.skip_lines(3)
    # 18. measured salinities
    for i in range(1, n + 1):
        r.field(10)
        if d.Is1Layer:
            d.S1meas[i] = _measurement(r.field(12), MISSING_SALT)
            d.STmeas[i] = _measurement(r.field(14), MISSING_SALT)
            d.SAmeas[i] = _measurement(r.field(10), MISSING_SALT)
        elif d.Is2Layer:
            d.S1meas[i] = _measurement(r.field(8), MISSING_SALT)
            d.S2meas[i] = _measurement(r.field(9), MISSING_SALT)
            d.STmeas[i] = _measurement(r.field(18), MISSING_SALT)
            d.SAmeas[i] = _measurement(r.field(12), MISSING_SALT)
        else:
            d.S1meas[i] = _measurement(r.field(8), MISSING_SALT)
            d.S2meas[i] = _measurement(r.field(8), MISSING_SALT)
            d.S3meas[i] = _measurement(r.field(8), MISSING_SALT)
            d.STmeas[i] = _measurement(r.field(18), MISSING_SALT)
            d.SAmeas[i] = _measurement(r.field(10), MISSING_SALT)
        r.next_line()
    return d


def compute_saved_values(d):
    """What a save derives: the measurement counts and the applied irrigation."""
    n = d.NrTimeSteps
    d.NrMeasDwt = sum(1 for i in range(1, n + 1) if d.DwtMeas[i] > 0.0)
    d.NrMeasDrain = sum(1 for i in range(1, n + 1) if d.DrainMeas[i] > 0.0)
    irr = d.Irrig
    spread = [0.0] * (n + 1)
    for i in range(1, n + 1):
        spread[i] = irr[i]
    if d.Ts == 1:
        for i in range(1, n + 1):
            if i < n - 1 and irr[i] > 0 and irr[i + 1] <= 0.01:
                v = irr[i] / 2
                spread[i] = spread[i + 1] = v
            if i < n - 2 and irr[i] > 0 and irr[i + 1] <= 0.01 and irr[i + 2] < 0.01:
                v = irr[i] / 3
                for k in range(i, i + 3):
                    spread[k] = v
            if (i < n - 3 and irr[i] > 0 and irr[i + 1] <= 0.01 and irr[i + 2] < 0.01
                    and irr[i + 3] < 0.01):
                v = irr[i] / 4
                for k in range(i, i + 4):
                    spread[k] = v
            if (i < n - 4 and irr[i] > 0 and irr[i + 1] <= 0.01 and irr[i + 2] < 0.01
                    and irr[i + 3] < 0.01 and irr[i + 4] < 0.01):
                v = irr[i] / 5
                for k in range(i, i + 5):
                    spread[k] = v
    d.IrrSpread = spread


# --------------------------------------------------------------------------
# The calculation


class Calculation:
    def __init__(self, data, show, ask, output_path):
        self.d = data
        self.show = show
        self.ask = ask
        self.output_path = output_path
        self.OptAccepted = True   # the calculation question was answered yes

    # ---- checks before anything is converted

    def zone_names(self):
        d = self.d
        if d.Is1Layer:
            return [("1", "the root zone")] + [("t", "the transition zone"), ("a", "the aquifer")]
        names = [("1", "the 1st layer"), ("2", "the 2nd layer")]
        if d.Is3Layer:
            names.append(("3", "the 3rd layer"))
        return names + [("t", "the transition zone"), ("a", "the aquifer")]

    def refuse(self, text):
        self.show(text)
        raise RunStopped()

    def check_data(self):
        d = self.d
        for z, name in self.zone_names():
            thick = getattr(d, "D" + z)
            if not thick > 0:
                self.refuse("The thickness of %s must be greater than 0. Please adjust data." % name)
            if not getattr(d, "TP" + z) > 0:
                self.refuse("The total porosity of %s must be greater than 0. Please adjust data." % name)
            if not getattr(d, "EffPor" + z) > 0:
                self.refuse("The effective porosity of %s must be greater than 0. Please adjust data."
                            % name)
        if not d.IrrEff > 0:
            self.refuse("The irrigation efficiency must be greater than 0. Please adjust data.")

    # ---- run preparation

    def prepare_run(self):
        d = self.d
        n = d.NrTimeSteps
        ts = d.Ts
        self.S1, self.S2, self.S3 = d.S1init, d.S2init, d.S3init
        self.STr, self.SAq = d.STinit, d.SAinit
        for z in ("1", "2", "3", "t", "a"):
            setattr(d, "TP" + z, getattr(d, "TP" + z) / 100)
            setattr(d, "EffPor" + z, getattr(d, "EffPor" + z) / 100)
            setattr(d, "LE" + z, getattr(d, "LE" + z) / 100)
        d.IrrEff = d.IrrEff / 100
        self.LEGiven = [d.LE1, d.LE2, d.LE3, d.LEt, d.LEa]
        if d.Is1Layer:
            self.Dr = d.D1
        elif d.Is2Layer:
            self.Dr = d.D1 + d.D2
        else:
            self.Dr = d.D1 + d.D2 + d.D3
        self.Dc = d.Dc
        self.NrSalt = [0, 0, 0, 0, 0]
        for i in range(1, n + 1):
            if d.S1meas[i] > 0:
                self.NrSalt[L1] += 1
            if (d.Is2Layer or d.Is3Layer) and d.S2meas[i] > 0:
                self.NrSalt[L2] += 1
            if d.Is3Layer and d.S3meas[i] > 0:
                self.NrSalt[L3] += 1
            if d.STmeas[i] > 0:
                self.NrSalt[LT] += 1
            if d.SAmeas[i] > 0:
                self.NrSalt[LA] += 1

        def series(extra=0):
            return [0.0] * (n + 1 + extra)
        self.Dwt = series()
        self.Perc = series()
        self.Cap = series()
        self.EvapT = series()
        self.Stor = series()
        self.MrT = series()
        self.Pond = series()
        self.S1s = series()
        self.S2s = series()
        self.S3s = series()
        self.STrs = series()
        self.SAqs = series()
        self.Infil = series()
        self.InfExcess = series()
        self.Drain = series(1)

        def table():
            return [[0.0] * (ts + 1) for _ in range(n + 1)]
        self.Perc1Day = table()
        self.Perc2Day = table()
        self.Cap1Day = table()
        self.Cap2Day = table()
        self.Perc3Day = table() if d.Is3Layer else None
        self.Cap3Day = table() if d.Is3Layer else None
        self.Dwt[0] = d.DwtInit
        # evapotranspiration split
        self.AvD = (d.D1 + d.D2) / 2
        self.R1 = (d.D1 - self.AvD) / (d.D1 + d.D2)
        self.R2 = (d.D2 - self.AvD) / (d.D1 + d.D2)
        self.R3 = 0.0
        if d.Is3Layer:
            self.AvD = (d.D1 + d.D2 + d.D3) / 3
            self.R1 = (d.D1 - self.AvD) / (d.D1 + d.D2 + d.D3)
            self.R2 = (d.D2 - self.AvD) / (d.D1 + d.D2 + d.D3)
            self.R3 = (d.D3 - self.AvD) / (d.D1 + d.D2 + d.D3)
        # per-day flows; the markers of missing discharges keep their value
        for i in range(1, n + 1):
            d.Rain[i] = d.Rain[i] / ts
            d.Irrig[i] = d.Irrig[i] / ts
            d.IrrSpread[i] = d.IrrSpread[i] / ts
            d.ETp[i] = d.ETp[i] / ts
            d.Sdr[i] = d.Sdr[i] / ts
            if d.DrainMeas[i] > -1000.0:
                d.DrainMeas[i] = d.DrainMeas[i] / ts
            self.InfExcess[i] = self.InfExcess[i] / ts
        for i in range(1, n + 1):
            d.SdrGiven[i] = d.Sdr[i]
        # the applied irrigation every balance run starts from
        self.IrrSpreadPrepared = list(d.IrrSpread)
        self.Down = d.Out - d.Inf
        if self.Down < 0:
            self.Down = 0.0
        self.Up = d.Inf - d.Out
        if self.Up < 0:
            self.Up = 0.0
        self.W1 = max_floor(1000 * d.D1 * d.TP1)
        self.W2 = max_floor(1000 * d.D2 * d.TP2)
        self.W3 = max_floor(1000 * d.D3 * d.TP3)
        self.Wt = max_floor(1000 * d.Dt * d.TPt)
        self.Wa = max_floor(1000 * d.Da * d.TPa)

    # ---- water balance

    def root_zone_max_moisture(self):
        d = self.d
        total = (d.TP1 - d.EffPor1) * d.D1
        if d.Is2Layer or d.Is3Layer:
            total = total + (d.TP2 - d.EffPor2) * d.D2
        if d.Is3Layer:
            total = total + (d.TP3 - d.EffPor3) * d.D3
        return 1000 * total

    def start_balance(self):
        """Initialisation steps 1 to 3 of every balance run."""
        d = self.d
        self.Stor[0] = 0.0
        self.PondStore = 0.0
        self.Dwt[0] = d.DwtInit
        self.MrM = self.root_zone_max_moisture()
        self.MrT[0] = d.MoistInit * self.MrM / 100
        for i in range(1, d.NrTimeSteps + 1):
            self.InfExcess[i] = 0.0
            self.Pond[i] = 0.0
            d.Sdr[i] = d.SdrGiven[i]
            d.IrrSpread[i] = self.IrrSpreadPrepared[i]

    def surface_drainage(self, i):
        """Steps 5 to 7: surface drainage, ponding above the surface, rice."""
        d = self.d
        if not d.RicePresent:
            if self.Dwt[i - 1] >= 0:
                d.IrrSpread[i] = d.IrrSpread[i] - d.Sdr[i]
                if d.Rain[i] + d.IrrSpread[i] < 0:
                    s = d.Sdr[i] + d.Rain[i] + d.IrrSpread[i]
                    if s < 0:
                        s = 0.0
                    d.Sdr[i] = s
                    d.IrrSpread[i] = 0.0
            else:
                ponded = 1000 * (-self.Dwt[i - 1])
                if ponded <= d.SdrGiven[i]:
                    d.Sdr[i] = ponded
                    self.Dwt[i - 1] = 0.0
                else:
                    d.Sdr[i] = d.SdrGiven[i]
                    self.Dwt[i - 1] = -(ponded - d.Sdr[i]) / 1000
        else:
            x = d.Rain[i] + d.IrrSpread[i] - d.RiceTransp * d.ETp[i] / 100 - d.InfCap
            if x < d.Sdr[i]:
                s = x
                if s > d.SdrGiven[i]:
                    s = d.SdrGiven[i]
                if s < 0:
                    s = 0.0
                d.Sdr[i] = s
            e = x - d.Sdr[i]
            if e < 0:
                e = 0.0
            self.InfExcess[i] = e
            self.PondStore = self.PondStore + self.InfExcess[i]
            self.Pond[i] = self.PondStore
            if self.PondStore > 200:
                over = self.PondStore - 200
                self.PondStore = 200.0
                d.Sdr[i] = d.Sdr[i] + over
                self.InfExcess[i] = self.InfExcess[i] - over
                self.Pond[i] = 200.0

    def day_flows(self, i, day):
        """Steps 8 to 12 for one day; returns (EvapT, PercT, CapT)."""
        d = self.d
        dc = self.Dc
        dr = self.Dr
        if dc - 0.5 * dr <= 0:
            cf = 1.0
        else:
            cf = (dc - self.Dwt[i - 1]) / (dc - 0.5 * dr)
            if cf < 0:
                cf = 0.0
            if cf > 1:
                cf = 1.0
        infil = d.Rain[i] + d.IrrSpread[i] - d.Sdr[i] - self.InfExcess[i]
        self.Infil[i] = infil
        etp = d.ETp[i]
        eff = d.IrrEff
        if etp / eff <= infil:
            evapt = etp
            capt = 0.0
        else:
            evapt = eff * infil + cf * (etp - eff * infil)
            capt = evapt - infil
            if capt < 0:
                capt = 0.0
        if evapt > etp:
            evapt = etp
        water = d.Rain[i] + d.IrrSpread[i]
        if d.Ts == 1:
            mrm = self.MrM
            stor = water - evapt
            self.Stor[i] = stor
            if self.Stor[i] + self.Stor[i - 1] > mrm:
                self.Stor[i] = mrm - self.Stor[i - 1]
            mrt = self.MrT[i - 1] + self.Stor[i]
            if mrt < 0:
                mrt = 0.0
            self.MrT[i] = mrt
            if self.MrT[i] > mrm:
                self.MrT[i] = mrm
                self.Stor[i] = 0.0
            perct = water - evapt - self.Stor[i]
            if perct < 0:
                perct = 0.0
            if perct > capt:
                perct = perct - capt
                capt = 0.0
            else:
                capt = capt - perct
                perct = 0.0
        else:
            perct = water - evapt
            if perct < 0:
                perct = 0.0
        # split over the layers
        if d.Is1Layer:
            self.Perc1Day[i][day] = perct
            self.Cap1Day[i][day] = capt
        elif d.Is2Layer:
            evap1 = (2.0 / 3.0 + self.R1) * evapt
            evap2 = (1.0 / 3.0 + self.R2) * evapt
            p1 = water / eff - evap1
            p2 = p1 - evap2
            if p2 < 0:
                p2 = 0.0
            self.Perc1Day[i][day] = p1
            self.Perc2Day[i][day] = p2
            c2 = capt
            c1 = c2 - evap2
            if c1 < 0:
                c1 = 0.0
            self.Cap2Day[i][day] = c2
            self.Cap1Day[i][day] = c1
        else:
            evap1 = (1.0 / 2.0 + self.R1) * evapt
            evap2 = (1.0 / 3.0 + self.R2) * evapt
            evap3 = (1.0 / 6.0 + self.R3) * evapt
            p1 = water / eff - evap1
            if p1 < 0:
                p1 = 0.0
            p2 = p1 - evap2
            if p2 < 0:
                p2 = 0.0
            p3 = p2 - evap3
            if p3 < 0:
                p3 = 0.0
            self.Perc1Day[i][day] = p1
            self.Perc2Day[i][day] = p2
            self.Perc3Day[i][day] = p3
            c3 = capt
            c2 = c3 - evap3
            if c2 < 0:
                c2 = 0.0
            c1 = c2 - evap2
            if c1 < 0:
                c1 = 0.0
            self.Cap3Day[i][day] = c3
            self.Cap2Day[i][day] = c2
            self.Cap1Day[i][day] = c1
        return evapt, perct, capt

    def effective_porosity(self, depth):
        d = self.d
        dr = self.Dr
        por = 0.0
        if depth <= 0:
            por = 1.0
        if d.Is1Layer:
            if 0 < depth <= dr:
                por = d.EffPor1
        else:
            if 0 < depth <= d.D1:
                por = d.EffPor1
            if d.D1 < depth <= d.D1 + d.D2:
                por = d.EffPor2
            if d.Is3Layer and d.D1 + d.D2 < depth <= dr:
                por = d.EffPor3
        if dr < depth <= dr + d.Dt:
            por = d.EffPort
        if depth > dr + d.Dt:
            por = d.EffPora
        return por

    def run_water_balance(self, qh1, qh2, silent=False):
        """Returns False when the water table fell below the aquifer bottom."""
        d = self.d
        n = d.NrTimeSteps
        ts = d.Ts
        self.CalcStopped = False
        self.start_balance()
        bottom = self.Dr + d.Dt + d.Da
        dd = d.Dd
        drains = d.DrainPresent
        inf10 = d.Inf / 10
        out10 = d.Out / 10
        for i in range(1, n + 1):
            sum_drain = 0.0
            sum_evap = 0.0
            sum_perc = 0.0
            sum_cap = 0.0
            self.surface_drainage(i)
            for day in range(1, ts + 1):
                evapt, perct, capt = self.day_flows(i, day)
                depth = self.Dwt[i - 1]
                day_drain = 0.0
                perc10 = perct / 10
                cap10 = capt / 10
                for _ in range(10):
                    h = dd - depth
                    if h <= 0 or not drains:
                        disch = 0.0
                    else:
                        dra = 1000 * qh2 * (h * h) / 10
                        drb = 1000 * qh1 * h / 10
                        if depth <= -0.1:
                            dra = 2 * dra
                        disch = dra + drb
                        if disch < 0:
                            disch = 0.0
                    por = self.effective_porosity(depth)
                    depth = depth - ieee_divide(perc10 - cap10 - disch + inf10 - out10, 1000 * por)
                    day_drain = day_drain + disch
                self.Dwt[i] = depth
                if self.Dwt[i] > bottom:
                    if not silent:
                        self.show(STOP_TEXT)
                    self.CalcStopped = True
                    return False
                sum_drain = sum_drain + day_drain
                sum_evap = sum_evap + evapt
                sum_perc = sum_perc + perct
                sum_cap = sum_cap + capt
            self.Perc[i] = sum_perc
            self.Cap[i] = sum_cap
            self.EvapT[i] = sum_evap
            self.Drain[i] = sum_drain / ts
        return True

    # ---- drainage-factor optimization

    def trial_balance(self, qh1, qh2):
        """One trial of the grid: the three objective sums.

        Every day of a time step starts from the depth at the start of the
        step with the same per-day inputs, so all days of a step give the
        same values; the objectives read only the last day's, which is
        therefore computed once.
        """
        d = self.d
        n = d.NrTimeSteps
        self.start_balance()
        dd = d.Dd
        drains = d.DrainPresent
        inf = d.Inf
        out = d.Out
        inf10 = inf / 10
        out10 = out / 10
        dwt = self.Dwt
        stor = self.Stor
        dwt_meas = d.DwtMeas
        drain_meas = d.DrainMeas
        balance = 0.0
        wt_sum = 0.0
        drain_sum = 0.0
        ts = d.Ts
        for i in range(1, n + 1):
            self.surface_drainage(i)
            evapt, perct, capt = self.day_flows(i, ts)
            start = dwt[i - 1]
            por = self.effective_porosity(start)
            den = 1000 * por
            perc10 = perct / 10
            cap10 = capt / 10
            depth = start
            day_drain = 0.0
            for _ in range(10):
                h = dd - depth
                if h <= 0 or not drains:
                    disch = 0.0
                else:
                    dra = 1000 * qh2 * (h * h) / 10
                    drb = 1000 * qh1 * h / 10
                    if depth <= -0.1:
                        dra = 2 * dra
                    disch = dra + drb
                    if disch < 0:
                        disch = 0.0
                depth = depth - ieee_divide(perc10 - cap10 - disch + inf10 - out10, den)
                day_drain = day_drain + disch
            dwt[i] = depth
            balance = (balance + (perct - capt - day_drain + inf - out + stor[i]
                                  + 1000 * por * (dwt[i] - dwt[i - 1])))
            if dwt_meas[i] > -1000:
                wt_sum = wt_sum + abs(dwt[i] - dwt_meas[i])
            if drain_meas[i] > -1000:
                drain_sum = drain_sum + abs(day_drain - drain_meas[i])
        return balance, wt_sum, drain_sum

    def fit_of(self, simulated, measured):
        n = self.d.NrTimeSteps
        total = 0.0
        for i in range(1, n + 1):
            total = total + simulated[i]
        mean = total / n
        a = 0.0
        b = 0.0
        for i in range(1, n + 1):
            if measured[i] > 0:
                a = a + abs(simulated[i] - mean)
                b = b + abs(measured[i] - simulated[i])
        if a > 0:
            return 1 - b / a
        return 0.0

    def optimize_drainage(self):
        d = self.d
        self.QH1Given = d.QH1
        self.QH2Given = d.QH2
        best_key = 100000 * 1e6
        best_wt = 100000.0
        best_drain = 100000.0
        bal_pair = wt_pair = drain_pair = None
        for j in range(1, 101):
            qh1 = 0.001 * j
            for k in range(1, 101):
                qh2 = 0.001 * k
                balance, wt_sum, drain_sum = self.trial_balance(qh1, qh2)
                if qh1 > 0.0011 and qh2 > 0.0011:
                    v = abs(balance) * 1e6 + 0.5
                    if math.isfinite(v):
                        key = float(math.floor(v))
                        if key < best_key:
                            best_key = key
                            bal_pair = (qh1, qh2)
                if qh1 > 0.0022 and qh2 > 0.0022:
                    if wt_sum < best_wt:
                        best_wt = wt_sum
                        wt_pair = (qh1, qh2)
                    if drain_sum < best_drain:
                        best_drain = drain_sum
                        drain_pair = (qh1, qh2)
        self.grid_result = (bal_pair, best_key, wt_pair, best_wt, drain_pair, best_drain)
        given = (self.QH1Given, self.QH2Given)
        # 7. balance optimum
        opt_balance = bal_pair is not None
        if opt_balance:
            q1, q2 = bal_pair
            if bal_pair == given:
                opt_balance = False
            if q1 > 0.099 and q2 > 0.099:
                opt_balance = False
            if q1 > 0.099 and q2 < 0.0022:
                opt_balance = False
            if q1 < 0.0022 and q2 < 0.0022:
                opt_balance = False
            if q1 < 0.0022 and q2 > 0.099:
                opt_balance = False
        trace("grid: balance pair %r key %r; water-table pair %r sum %r; discharge pair %r sum %r"
              % self.grid_result)
        # 8. water-table fit
        fit_dwt = 0.0
        opt_dwt = False
        if d.NrMeasDwt > 4 and wt_pair is not None:
            if self.run_water_balance(wt_pair[0], wt_pair[1], silent=True):
                fit_dwt = self.fit_of(self.Dwt, d.DwtMeas)
                opt_dwt = fit_dwt >= 0.5
            else:
                trace("water-table fit run fell below the aquifer")
        # 9. discharge fit
        fit_drain = 0.0
        opt_drain = False
        if d.NrMeasDrain > 4 and drain_pair is not None:
            if self.run_water_balance(drain_pair[0], drain_pair[1], silent=True):
                fit_drain = self.fit_of(self.Drain, d.DrainMeas)
                opt_drain = fit_drain >= 0.5
            else:
                trace("discharge fit run fell below the aquifer")
        trace("fits: water table %r, discharge %r; balance optimum %s" % (fit_dwt, fit_drain, opt_balance))

        # 10.
        def rejected(pair):
            return pair == given or (pair[0] > 0.099 and pair[1] > 0.099)
        if opt_dwt and rejected(wt_pair):
            opt_dwt = False
        if opt_drain and rejected(drain_pair):
            opt_drain = False
        # 11.
        if opt_dwt and opt_drain:
            if fit_dwt >= fit_drain:
                text = ("The drainage capacity factors can be optimized both for the depth of "
                        "the water table and the drain discharge. The goodness of fit for the "
                        "water table is" + fixed(100 * fit_dwt, 5, 1)
                        + " % and that for the drain discharge is" + fixed(100 * fit_drain, 5, 1)
                        + " %. Vantorel selects the one with the highest goodness of fit,"
                        + " which is the water table. Do you agree ?. (if not Vantorel goes"
                        + " for the drain discharge.)")
                yes = self.ask(text)
                self.OptAccepted = yes
                if yes:
                    opt_drain = False
                else:
                    opt_dwt = False
            else:
                text = ("The drainage capacity factors can be optimized both for the depth of "
                        "the water table and the drain discharge. The goodness of fit for the "
                        "drain discharge is" + fixed(100 * fit_drain, 5, 1)
                        + " % and that for the water table is" + fixed(100 * fit_dwt, 5, 1)
                        + " %. Vantorel selects the one with the highest goodness of fit,"
                        + " which is the drain discharge. Do you agree ?. (if not Vantorel"
                        + " goes for the water table.)")
                yes = self.ask(text)
                self.OptAccepted = yes
                if yes:
                    opt_dwt = False
                else:
                    opt_drain = False
        # 12.
        if opt_dwt:
            self.QH1Used, self.QH2Used = wt_pair
        if opt_drain:
            self.QH1Used, self.QH2Used = drain_pair
        if opt_dwt or opt_drain:
            opt_balance = False
        if opt_balance:
            self.QH1Used, self.QH2Used = bal_pair
        # 13. second chance for the water table
        if not opt_balance and not opt_drain and fit_dwt > fit_drain and fit_dwt > 0.2:
            opt_dwt = not rejected(wt_pair)
            if opt_dwt:
                self.show(DWT_SECOND_CHANCE_TEXT)
                self.QH1Used, self.QH2Used = wt_pair
        # 14. second chance for the discharge
        if not opt_balance and not opt_dwt and fit_drain > fit_dwt and fit_drain > 0.2:
            opt_drain = not rejected(drain_pair)
            if opt_drain:
                self.show(DRAIN_SECOND_CHANCE_TEXT)
                self.QH1Used, self.QH2Used = drain_pair
        # 15.
        if not (opt_balance or opt_dwt or opt_drain):
            self.show(NOT_OPTIMIZED_TEXT)
            self.QH1Used = self.QH1Given
            self.QH2Used = self.QH2Given
            self.DrainOptWanted = False
        self.QHOptBalance = opt_balance
        self.QHOptDwt = opt_dwt
        self.QHOptDrain = opt_drain
        self.FitDwt = fit_dwt
        self.FitDrain = fit_drain

    # ---- salt balance

    @staticmethod
    def update(s, in_w, w, le, q):
        """One day of a zone: the semi-implicit update before its floor."""
        inflow = in_w / w
        out = 0.5 * le * q * s / w
        den = 1 + 0.5 * le * q / w
        if den < 0.001:
            den = 0.001
        return (s + inflow - out) / den

    def run_salt_balance(self):
        d = self.d
        n = d.NrTimeSteps
        ts = d.Ts
        upd = self.update
        one, two, three = d.Is1Layer, d.Is2Layer, d.Is3Layer
        if one:
            below1 = d.STinit
        elif two:
            below1 = d.S2init
            below2 = d.STinit
        else:
            below1 = d.S2init
            below2 = d.S3init
            below3 = d.STinit
        s1, s2, s3 = d.S1init, d.S2init, d.S3init
        st, sa = d.STinit, d.SAinit
        ss = [0.0] * 5
        si, sinf, inf, out, up, down = d.Si, d.Sinf, d.Inf, d.Out, self.Up, self.Down
        le1, le2, le3, let, lea = d.LE1, d.LE2, d.LE3, d.LEt, d.LEa
        w1, w2, w3, wt, wa = self.W1, self.W2, self.W3, self.Wt, self.Wa
        for i in range(1, n + 1):
            irr = d.IrrSpread[i]
            exc = self.InfExcess[i]
            infil = self.Infil[i]
            above = self.Dwt[i] < 0
            drain = self.Drain[i]
            m1, m2, m3, mt, ma = d.S1meas[i], d.S2meas[i], d.S3meas[i], d.STmeas[i], d.SAmeas[i]
            for day in range(1, ts + 1):
                last = day == ts
                p1 = self.Perc1Day[i][day]
                c1 = self.Cap1Day[i][day]
                # layer 1
                if above:
                    in_w = infil * si
                    q = infil
                elif irr - exc < 0:
                    in_w = c1 * below1
                    q = p1
                else:
                    a = irr if one else irr - exc
                    in_w = a * si + c1 * below1
                    q = p1
                old = s1
                s1 = upd(old, in_w, w1, le1, q)
                if s1 <= 0:
                    s1 = 0.1
                if last and m1 > 0:
                    ss[L1] = ss[L1] + (s1 - m1) * (s1 - m1)
                s1a = (old + s1) / 2
                if two or three:
                    p2 = self.Perc2Day[i][day]
                    c2 = self.Cap2Day[i][day]
                    old = s2
                    s2 = upd(old, le1 * p1 * s1a + c2 * below2, w2, le2, p2 + c1)
                    if s2 <= 0:
                        s2 = 0.1
                    if last and m2 > 0:
                        ss[L2] = ss[L2] + (s2 - m2) * (s2 - m2)
                    below1 = s2
                    s2a = (old + s2) / 2
                if three:
                    p3 = self.Perc3Day[i][day]
                    c3 = self.Cap3Day[i][day]
                    old = s3
                    s3 = upd(old, le2 * p2 * s2a + c3 * below3, w3, le3, p3 + c2)
                    if s3 < 0:
                        s3 = 0.1
                    if last and m3 > 0:
                        ss[L3] = ss[L3] + (s3 - m3) * (s3 - m3)
                    below2 = s3
                    s3a = (old + s3) / 2
                old = st
                if one:
                    st = upd(old, le1 * p1 * s1a + up * sa, wt, let, drain - inf)
                elif two:
                    st = upd(old, le2 * p2 * s2a + up * sa, wt, let, drain)
                else:
                    st = upd(old, le3 * p3 * s3a + up * sa, wt, let, drain)
                if st < 0:
                    st = 0.1
                if last and mt > 0:
                    ss[LT] = ss[LT] + (st - mt) * (st - mt)
                if one:
                    below1 = st
                elif two:
                    below2 = st
                else:
                    below3 = st
                sta = (old + st) / 2
                old = sa
                sa = upd(old, let * down * sta + inf * sinf, wa, lea, out + up)
                if sa < 0:
                    sa = 0.1
                if last and ma > 0:
                    ss[LA] = ss[LA] + (sa - ma) * (sa - ma)
            self.S1s[i], self.S2s[i], self.S3s[i], self.STrs[i], self.SAqs[i] = s1, s2, s3, st, sa
        self.S1, self.S2, self.S3, self.STr, self.SAq = s1, s2, s3, st, sa
        meas = [d.S1meas, d.S2meas, d.S3meas, d.STmeas, d.SAmeas]
        exists = [True, two or three, three, True, True]
        self.SaltFit = [0.0] * 5
        self.SaltFitNA = [False] * 5
        for z in range(5):
            if exists[z] and self.NrSalt[z] > 3:
                m2sum = 0.0
                for i in range(1, n + 1):
                    if meas[z][i] > 0:
                        m2sum = m2sum + meas[z][i] * meas[z][i]
                index = 1 - math.sqrt(ss[z] / m2sum)
                if z in (LT, LA) and index < 0:
                    index = 0.0
                self.SaltFit[z] = index
        for z in range(5):
            if self.NrSalt[z] < 4:
                self.SaltFit[z] = 0.0
                self.SaltFitNA[z] = True
            else:
                self.SaltFitNA[z] = False

    # ---- leaching-efficiency searches

    # (layers, zone): trials, lowest zone simulated, test B, sum capped,
    # mean capped, root zone floored
    SEARCHES = {
        (1, L1): (180, LT, "Irrig-InfExcess", True, True, True),
        (1, LT): (180, LT, "Irrig-Sdr-InfExcess", False, False, False),
        (1, LA): (280, LA, "Irrig-Sdr-InfExcess", False, False, False),
        (2, L1): (180, L2, "IrrSpread-InfExcess", True, True, True),
        (2, L2): (180, LT, "Irrig-InfExcess", False, False, True),
        (2, LT): (180, LT, "IrrSpread-InfExcess", False, False, True),
        (2, LA): (280, LA, "IrrSpread-InfExcess", False, False, True),
        (3, L1): (180, L2, "IrrSpread-InfExcess", True, True, True),
        (3, L2): (280, L3, "IrrSpread-InfExcess", True, True, True),
        (3, L3): (280, LT, "IrrSpread-InfExcess", True, False, True),
        (3, LT): (180, LT, "IrrSpread-InfExcess", True, True, True),
        (3, LA): (280, LA, "IrrSpread-InfExcess", True, False, True),
    }

    def search_leaching_efficiency(self, layers, zone):
        d = self.d
        n = d.NrTimeSteps
        ts = d.Ts
        trials, lowest, b_kind, sum_capped, mean_capped, root_floor = self.SEARCHES[(layers, zone)]
        aquifer_special = (layers == 2 and zone == LA)
        trans_search = (zone == LT)
        # zone order top down; which of them are simulated
        order = [L1] + ([L2] if layers >= 2 else []) + ([L3] if layers == 3 else []) + [LT, LA]
        simulated = order[:order.index(lowest) + 1]
        sim2 = L2 in simulated
        sim3 = L3 in simulated
        simt = LT in simulated
        sima = LA in simulated
        upd = self.update
        le_names = ["LE1", "LE2", "LE3", "LEt", "LEa"]
        le_name = le_names[zone]
        meas = [d.S1meas, d.S2meas, d.S3meas, d.STmeas, d.SAmeas][zone]
        si, sinf, inf, out, up, down = d.Si, d.Sinf, d.Inf, d.Out, self.Up, self.Down
        w1, w2, w3, wt, wa = self.W1, self.W2, self.W3, self.Wt, self.Wa
        thickness = d.D1
        if layers >= 2:
            thickness = thickness + d.D2
        if layers == 3:
            thickness = thickness + d.D3
        bottom_t = thickness + d.Dt
        perc_low = [self.Perc1Day, self.Perc2Day, self.Perc3Day][layers - 1]
        le_trial = 0.1
        best = 1000000.0
        for _ in range(trials):
            le_trial = le_trial + 0.01
            # leaching efficiencies of this trial
            le = [d.LE1, d.LE2, d.LE3, d.LEt, d.LEa]
            le[zone] = le_trial
            lea_working = d.LEa
            sumsq = 0.0
            s1, s2, s3, st, sa = d.S1init, d.S2init, d.S3init, d.STinit, d.SAinit
            init_below = {1: [d.STinit], 2: [d.S2init, d.STinit], 3: [d.S2init, d.S3init, d.STinit]}
            below = init_below[layers]
            s1a = s2a = s3a = sta = 0.0
            for t in range(1, n + 1):
                above = self.Dwt[t] < 0
                irr_s = d.IrrSpread[t]
                exc = self.InfExcess[t]
                if b_kind == "Irrig-InfExcess":
                    b = d.Irrig[t] - exc
                elif b_kind == "Irrig-Sdr-InfExcess":
                    b = d.Irrig[t] - d.Sdr[t] - exc
                else:
                    b = irr_s - exc
                a = irr_s if layers == 1 else irr_s - exc
                infil = self.Infil[t]
                drain = self.Drain[t]
                deep = bottom_t <= self.Dwt[t]
                m = meas[t]
                for day in range(1, ts + 1):
                    last = day == ts
                    p1 = self.Perc1Day[t][day]
                    c1 = self.Cap1Day[t][day]
                    # layer 1 / root zone
                    if above:
                        in_w = infil * si
                        q = infil
                    elif b < 0:
                        in_w = c1 * below[0]
                        q = p1
                    else:
                        in_w = a * si + c1 * below[0]
                        q = p1
                    old = s1
                    s1 = upd(old, in_w, w1, le[L1], q)
                    if root_floor and s1 <= 0:
                        s1 = 0.1
                    if zone == L1 and last and m > 0:
                        sumsq = sumsq + (s1 - m) * (s1 - m)
                        if sum_capped and sumsq > 1000:
                            sumsq = 1000.0
                    s1a = (old + s1) / 2
                    if zone == L1 and mean_capped and s1a > 1000:
                        s1a = 1000.0
                    if sim2:
                        p2 = self.Perc2Day[t][day]
                        c2 = self.Cap2Day[t][day]
                        old = s2
                        s2 = upd(old, p1 * s1a * le[L1] + c2 * below[1], w2, le[L2], p2 + c1)
                        if s2 <= 0:
                            s2 = 0.1
                        if zone == L2 and last and m > 0:
                            sumsq = sumsq + (s2 - m) * (s2 - m)
                            if sum_capped and sumsq > 1000:
                                sumsq = 1000.0
                        below[0] = s2
                        s2a = (old + s2) / 2
                        if zone == L2 and mean_capped and s2a > 1000:
                            s2a = 1000.0
                    if sim3:
                        p3 = self.Perc3Day[t][day]
                        c3 = self.Cap3Day[t][day]
                        old = s3
                        s3 = upd(old, p2 * s2a * le[L2] + c3 * below[2], w3, le[L3], p3 + c2)
                        if s3 < 0:
                            s3 = 0.1
                        if zone == L3 and last and m > 0:
                            sumsq = sumsq + (s3 - m) * (s3 - m)
                            if sum_capped and sumsq > 1000:
                                sumsq = 1000.0
                        below[1] = s3
                        s3a = (old + s3) / 2
                        if zone == L3 and mean_capped and s3a > 1000:
                            s3a = 1000.0
                    if simt:
                        p = perc_low[t][day]
                        if layers == 1:
                            sba, leb = s1a, le[L1]
                        elif layers == 2:
                            sba, leb = s2a, le[L2]
                        else:
                            sba, leb = s3a, le[L3]
                        sa_above = sa if sima else d.SAinit
                        if aquifer_special:
                            in_w = p * sba * leb + up * sa_above * lea_working
                            q = drain + self.Cap2Day[t][day] + down
                        else:
                            in_w = p * sba * leb + up * sa_above
                            if trans_search:
                                q = (p if deep else drain) + down
                            else:
                                q = drain + down
                        old = st
                        st = upd(old, in_w, wt, le[LT], q)
                        if st < 0:
                            st = 0.1
                        if zone == LT and last and m > 0:
                            sumsq = sumsq + (st - m) * (st - m)
                            if sum_capped and sumsq > 1000:
                                sumsq = 1000.0
                        below[layers - 1] = st
                        sta = (old + st) / 2
                        if zone == LT and mean_capped and sta > 1000:
                            sta = 1000.0
                    if sima:
                        p = perc_low[t][day]
                        x = (p + down) if deep else down
                        old = sa
                        sa = upd(old, x * sta + inf * sinf, wa, le[LA], out + up)
                        if sa < 0:
                            sa = 0.1
                        if zone == LA and last and m > 0:
                            sumsq = sumsq + (sa - m) * (sa - m)
                            if sum_capped and sumsq > 1000:
                                sumsq = 1000.0
            if sumsq < best:
                best = sumsq
                setattr(d, le_name, le_trial)
        trace("search %d layer(s), zone %d: efficiency %r, sum of squares %r"
              % (layers, zone + 1, getattr(d, le_name), best))
        # the fit index of the search (the final salt balance computes it again)
        m2sum = 0.0
        for t in range(1, n + 1):
            if meas[t] > 0:
                m2sum = m2sum + meas[t] * meas[t]
        self.SaltFit[zone] = 1 - math.sqrt(best / m2sum)

    # ---- the driver

    def run(self):
        d = self.d
        self.LEOptimized = [False] * 5
        self.CalcStopped = False
        self.QHOptBalance = self.QHOptDwt = self.QHOptDrain = False
        self.FitDwt = self.FitDrain = 0.0
        self.SaltFit = [0.0] * 5
        self.check_data()
        self.prepare_run()
        # drainage stage
        self.DrainOptWanted = False
        if d.DrainPresent:
            if d.NrMeasDrain > 4 or d.NrMeasDwt > 4:
                yes = self.ask(LONG_DRAIN_QUESTION)
            else:
                yes = self.ask(SHORT_DRAIN_QUESTION)
            self.OptAccepted = yes
            self.DrainOptWanted = yes
        if self.DrainOptWanted:
            self.optimize_drainage()
        else:
            self.QH1Used = d.QH1
            self.QH2Used = d.QH2
            self.QH1Given = d.QH1
            self.QH2Given = d.QH2
        if not self.run_water_balance(self.QH1Used, self.QH2Used):
            raise RunStopped()
        saved = (d.S1init, d.S2init, d.S3init)
        # leaching stage
        if any(c > 3 for c in self.NrSalt):
            self.OptAccepted = self.ask(LEACHING_QUESTION)
        if self.OptAccepted:
            layers = 1 if d.Is1Layer else (2 if d.Is2Layer else 3)
            zones = {1: [L1, LT, LA], 2: [L1, L2, LT, LA], 3: [L1, L2, L3, LT, LA]}[layers]
            for z in zones:
                if self.NrSalt[z] > 3:
                    self.search_leaching_efficiency(layers, z)
        for z, name in self.zone_names():
            value = getattr(d, "LE" + z)
            if value < 0:
                self.refuse("The leaching efficiency of %s is not given and could not be optimized. "
                            "Please adjust data." % name)
        d.S1init, d.S2init, d.S3init = saved
        self.run_salt_balance()
        current = [d.LE1, d.LE2, d.LE3, d.LEt, d.LEa]
        for z in range(5):
            self.LEOptimized[z] = self.LEGiven[z] != current[z]
        rows = self.output_rows()
        self.write_output(rows)

    # ---- output

    def output_rows(self):
        d = self.d
        ts = d.Ts
        rows = []
        series_names = ["percolation", "capillary rise", "evapotranspiration", "drain discharge",
                        "water-table depth"]
        for i in range(1, d.NrTimeSteps + 1):
            d.Rain[i] = d.Rain[i] * ts
            d.Irrig[i] = d.Irrig[i] * ts
            d.IrrSpread[i] = d.IrrSpread[i] * ts
            d.ETp[i] = d.ETp[i] * ts
            d.Sdr[i] = d.Sdr[i] * ts
            self.InfExcess[i] = self.InfExcess[i] * ts
            if d.DrainMeas[i] > -1000.0:
                d.DrainMeas[i] = d.DrainMeas[i] * ts
            self.Drain[i] = self.Drain[i] * ts
            if not d.RicePresent:
                self.Pond[i] = 0.0
            values = [self.Perc[i], self.Cap[i], self.EvapT[i], self.Drain[i], self.Dwt[i - 1]]
            names = list(series_names)
            if d.Is1Layer:
                values += [self.S1s[i]]
                names += ["salinity of the root zone"]
                widths = [9, 9, 9, 10, 10, 10, 13, 9, 9, 9, 9]
            elif d.Is2Layer:
                values += [self.S1s[i], self.S2s[i]]
                names += ["salinity of layer 1", "salinity of layer 2"]
                widths = [9, 11, 9, 10, 8, 9, 8, 8, 10, 9, 9, 9]
            else:
                values += [self.S1s[i], self.S2s[i], self.S3s[i]]
                names += ["salinity of layer 1", "salinity of layer 2", "salinity of layer 3"]
                widths = [9, 11, 9, 10, 8, 9, 9, 8, 9, 10, 9, 9, 9]
            values += [self.STrs[i], self.SAqs[i], self.Stor[i], d.Sdr[i], self.Pond[i]]
            names += ["salinity of the transition zone", "salinity of the aquifer",
                      "storage change", "surface drainage", "ponding"]
            decimals = [1, 1, 1, 1, 2] + [2] * (len(values) - 8) + [1, 2, 1]
            for v, name in zip(values, names):
                if not math.isfinite(v):
                    self.refuse("The calculation gave an invalid value for the %s at time step %d. "
                                "Please adjust data." % (name, i))
            text = format(i, "9d") + "".join(fixed(v, w, p) for v, w, p in zip(values, widths, decimals))
            rows.append(text)
        return rows

    def check_header_fits(self):
        d = self.d
        fits = []
        if self.QHOptDwt:
            fits.append((self.FitDwt, "water table"))
        if self.QHOptDrain:
            fits.append((self.FitDrain, "drain discharge"))
        zones = [(L1, True, "salinity of the root zone" if d.Is1Layer else "salinity of layer 1"),
                 (L2, d.Is2Layer or d.Is3Layer, "salinity of layer 2"), (L3, d.Is3Layer, "salinity of layer 3"),
                 (LT, d.LEt > 0, "salinity of the transition zone"), (LA, d.LEa > 0, "salinity of the aquifer")]
        fits += [(self.SaltFit[z], name) for z, printed, name in zones if printed and not self.SaltFitNA[z]]
        for value, name in fits:
            if not math.isfinite(value):
                self.refuse("The calculation gave an invalid value for the fit of the %s. Please adjust data." % name)

    def le_line(self, label, zone, value):
        text = label + fixed(value, 8, 2)
        if self.SaltFitNA[zone]:
            return text + "  (given),       Coeff. of determination (%) :  n.a."
        number = fixed(100 * self.SaltFit[zone], 5, 0)
        if self.LEOptimized[zone]:
            return text + "  (optimized),   Coeff. of determination (%) :" + number
        return text + "  (given),       Coeff. of determination (%) :" + number

    def write_output(self, rows):
        d = self.d
        path = self.output_path
        self.check_header_fits()
        lines = ["OUTPUT OF Vantorel", "Name of this file :" + path, "", d.Title1, d.Title2]
        lines.append(format(d.NrLayers, "2d") + "   " + format(d.NrTimeSteps, "4d") + "    "
                     + str(d.Ts) + "      (resp.:  nr. of root zone layers,    tot. nr. of time steps,"
                     + "    length of time step in days)")
        q1, q2 = self.QH1Used, self.QH2Used
        if self.QHOptBalance:
            lines.append(" Drainage factors optimized    :    QH1 = " + fixed(q1, 6, 3)
                         + " (for water balance)   QH2 = " + fixed(q2, 6, 3))
        if self.QHOptDwt:
            lines.append(" Drainage factors optimized    :    QH1 = " + fixed(q1, 6, 3)
                         + " (for water table)   QH2 = " + fixed(q2, 6, 3)
                         + "   Data fit (%) : " + fixed(100 * self.FitDwt, 4, 0))
        if self.QHOptDrain:
            lines.append(" Drainage factors optimized    :    QH1 = " + fixed(q1, 6, 3)
                         + " (for drain discharge)   QH2 = " + fixed(q2, 6, 3)
                         + "   Data fit (%) :" + fixed(100 * self.FitDrain, 4, 0))
        if not (self.QHOptBalance or self.QHOptDwt or self.QHOptDrain):
            lines.append(" Drainage factor QH1 (given) :" + fixed(self.QH1Given, 9, 3)
                         + "    QH2 (given) = " + fixed(self.QH2Given, 6, 3))
        lines.append(self.le_line(" Leaching efficiency layer 1   :", L1, d.LE1))
        if d.Is2Layer or d.Is3Layer:
            lines.append(self.le_line(" Leaching efficiency layer 2   :", L2, d.LE2))
        if d.Is3Layer:
            lines.append(self.le_line(" Leaching efficiency layer 3   :", L3, d.LE3))
        if d.LEt > 0:
            lines.append(self.le_line(" Leaching eff. transit. zone   :", LT, d.LEt))
        if d.LEa > 0:
            lines.append(self.le_line(" Leaching efficiency aquifer   :", LA, d.LEa))
        lines.append(" Units:")
        lines.append(" Water flow in mm/time step,  Salinity in dS/m,   Depth water table (DepthWT) in m")
        lines.append("")
        lines += HEADINGS[1 if d.Is1Layer else (2 if d.Is2Layer else 3)]
        lines += rows
        data = "".join(line + "\r\n" for line in lines).encode("latin-1")
        tmp = path + ".tmp-ref"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, path)


TRACE = bool(os.environ.get("VANTOREL_REFERENCE_TRACE"))


def trace(text):
    """The optimizations' inner decisions, on standard error, for working out disagreements."""
    if TRACE:
        print("trace: " + text, file=sys.stderr)


def ieee_divide(a, b):
    """a / b with the IEEE result where Python would raise (a porosity of 0
    is only reached for a depth that is no longer a number)."""
    if b == 0:
        if a != a or a == 0:
            return math.nan
        return math.copysign(math.inf, a) * math.copysign(1.0, b)
    return a / b


def max_floor(amount):
    return 0.001 if amount < 0.001 else amount


HEADINGS = {
    1: [
        "           Percol.  Cap. rise  Act. Evap  Drainage                    Salinity (dS/m)",
        " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - -"
        "           Surface   Water",
        "                      (mm/time step)               (m)        Rootzone  Trans.zone  Aquifer"
        "  Storage   dr.     logging",
        " - - - - - - - - - - - - - - -- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -"
        " - - - - - - - - - - - -",
    ],
    2: [
        "           Percol.  Cap. rise  Act. Evap  Drainage                    Salinity (dS/m)",
        " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - - -"
        " - - - - - -          Surf.     Water",
        "                      (mm/time step)               (m)        Rootzone ",
        "                                                            - - - - - - -  Transit.  Aquifer"
        "  Storage   dr.     loggging",
        "                                                            Layer1  Layer2   zone",
        " - - - - - - - - - - - - - - -- - - - - - - - - -  - - - - - - - - - - - - - - - - - - - - -"
        " - - - - - - - - - -",
    ],
    3: [
        "           Percol.  Cap. rise  Act. Evap  Drainage                         Salinity (dS/m)",
        " Time step - - - - - - - - - - - - - - - - - - - - DepthWT   - - - - - - - - - - - - - - - -"
        " - - - - -  - -           Surface   Water",
        "                      (mm/time step)               (m)              Rootzone ",
        "                                                            - - - - - - - - - - - - Transit."
        "  Aquifer    Storage   dr.     loggging",
        "                                                            Layer1  Layer2  Layer3   zone",
        " - - - - - - - - - - - - - - -- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -"
        " - - - - - - - - - - -- - - - -",
    ],
}


# --------------------------------------------------------------------------
# Command line


def parse_arguments(args):
    options = {}
    files = []
    valued = {"output", "drainage-opt", "fit-choice", "leaching-opt"}
    k = 0
    while k < len(args):
        a = args[k]
        if a.startswith("--"):
            name, eq, value = a[2:].partition("=")
            if name in valued:
                if not eq:
                    k += 1
                    if k >= len(args):
                        raise ValueError("option '--%s' needs a value" % name)
                    value = args[k]
                options[name] = value
            elif name == "yes" and not eq:
                options[name] = True
            else:
                raise ValueError("unknown option '%s'" % a)
        else:
            files.append(a)
        k += 1
    if len(files) != 1:
        raise ValueError("name one input file.")

    def yes_no(name, fallback):
        if name not in options:
            return fallback
        if options[name] not in ("yes", "no"):
            raise ValueError("option '--%s' takes yes or no" % name)
        return options[name] == "yes"
    every = "yes" in options
    answers = {
        "drainage": yes_no("drainage-opt", every),
        "fit": yes_no("fit-choice", True),
        "leaching": yes_no("leaching-opt", every),
    }
    return files[0], options.get("output"), answers


def main(argv):
    try:
        path, output, answers = parse_arguments(argv[1:])
    except ValueError as error:
        print("vantorel_reference: %s" % error, file=sys.stderr)
        return EXIT_BAD_INPUT

    def show(text):
        print("! " + text)

    def ask(text):
        if text.startswith("Do you want Vantorel to optimize the drainage capacity"):
            yes = answers["drainage"]
        elif text.startswith("The drainage capacity factors can be optimized both"):
            yes = answers["fit"]
        elif text.startswith("There are one or more soil layers with enough data"):
            yes = answers["leaching"]
        else:
            yes = False
        print("? " + text + " -> " + ("yes" if yes else "no"))
        return yes

    try:
        data = load_input_file(path, show)
    except InputError as error:
        print("vantorel_reference: the file %s could not be read: %s" % (path, error), file=sys.stderr)
        return EXIT_BAD_INPUT
    compute_saved_values(data)
    if output is None:
        root, _ = os.path.splitext(path)
        output = root + ".out"
    calc = Calculation(data, show, ask, output)
    try:
        calc.run()
    except RunStopped:
        print("vantorel_reference: the calculation was not completed; no output file was written.",
              file=sys.stderr)
        return EXIT_STOPPED
    sys.stdout.flush()
    return EXIT_OK


if __name__ == "__main__":
    sys.exit(main(sys.argv))
