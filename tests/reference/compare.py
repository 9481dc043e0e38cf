#!/usr/bin/env python3
"""Compares the batch runner with the reference calculation on generated data sets.

Generates varied, realistic input files (1, 2, 3 root-zone layers; steps of
360, 30, 7 and 1 days; with and without drains and rice; measured depths,
discharges and salinities in varying numbers, with zeros and gaps; water
tables that reach the surface, ponding, runs that stop below the aquifer,
data that a run refuses; runs with the drainage and the leaching
optimizations), runs vantorel-run and vantorel_reference.py on each file
and compares their output files byte for byte (apart from line 2, which
names the file itself), their exit statuses and their transcripts of
messages ("! ") and questions ("? ").

Usage: compare.py [--runner=PATH] [--seed=N] [--count=N] [--kinds=a,b,...]
                  [--keep=DIR] [--cases=DIR] [--list]

Input files of disagreeing data sets are copied to --cases (default: the
cases/ folder beside this script) with a note of the options used.
"""

import argparse
import io
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
import contextlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import input_writer  # noqa: E402
import vantorel_reference as reference  # noqa: E402

DEFAULT_RUNNER = "/work/main/build/app/vantorel-run"
REFERENCE = os.path.join(HERE, "vantorel_reference.py")

# Monthly climate of a semi-arid irrigated plain (mm per month).
RAIN_MONTH = [40, 32, 28, 14, 6, 0, 0, 1, 4, 16, 36, 48]
ETP_MONTH = [52, 68, 98, 132, 188, 206, 221, 211, 160, 112, 70, 50]
IRRIG_MONTH = [0, 0, 60, 110, 175, 230, 225, 210, 150, 60, 0, 0]

STEP_COUNTS = {
    # (small, for optimization runs), (large)
    360: ((4, 8), (6, 20)),
    30: ((12, 30), (24, 96)),
    7: ((16, 40), (40, 160)),
    1: ((30, 80), (90, 400)),
}


def rounded(x, decimals=2):
    return float(format(x, ".%df" % decimals))


class Generator:
    def __init__(self, rng):
        self.rng = rng

    # ---- pieces

    def climate(self, ts, n, wetness=1.0, irrigation=1.0):
        rng = self.rng
        rain, irrig, etp, sdr = [], [], [], []
        sdr_share = rng.choice([0.0, 0.0, 0.01, 0.02, 0.05])
        interval = rng.choice([4, 5, 7, 10])
        gift_day = rng.randrange(interval)
        for i in range(n):
            if ts == 360:
                r = sum(RAIN_MONTH) * rng.uniform(0.6, 1.4) * wetness
                g = sum(IRRIG_MONTH) * rng.uniform(0.8, 1.2) * irrigation
                e = sum(ETP_MONTH) * rng.uniform(0.9, 1.1)
            elif ts == 1:
                month = (i // 30) % 12
                p_rain = RAIN_MONTH[month] / 120.0
                r = rng.expovariate(1 / 9.0) * wetness if rng.random() < p_rain else 0.0
                g = 0.0
                if IRRIG_MONTH[month] > 0 and i % interval == gift_day:
                    g = IRRIG_MONTH[month] / 30.0 * interval * rng.uniform(0.8, 1.2) * irrigation
                e = ETP_MONTH[month] / 30.0 * rng.uniform(0.6, 1.4)
            else:
                month = ((i * ts) // 30) % 12
                scale = ts / 30.0
                r = RAIN_MONTH[month] * scale * rng.uniform(0.3, 1.8) * wetness
                g = IRRIG_MONTH[month] * scale * rng.uniform(0.8, 1.2) * irrigation
                e = ETP_MONTH[month] * scale * rng.uniform(0.85, 1.15)
            s = 0.0
            if sdr_share and rng.random() < 0.7:
                s = (r + g) * sdr_share * rng.uniform(0.5, 1.5)
            rain.append(rounded(r))
            irrig.append(rounded(g))
            etp.append(rounded(e))
            sdr.append(rounded(s))
        return rain, irrig, etp, sdr

    def soil(self, layers):
        rng = self.rng
        zones = []
        for k in range(layers):
            zones.append([rounded(rng.uniform(0.2, 0.7)), float(rng.randint(40, 55)),
                          float(rng.randint(4, 14)), float(rng.randint(50, 100))])
        zones.append([rounded(rng.uniform(1.0, 4.0)), float(rng.randint(35, 50)),
                      float(rng.randint(5, 15)), float(rng.randint(60, 100))])
        zones.append([rounded(rng.uniform(5.0, 30.0)), float(rng.randint(30, 45)),
                      float(rng.randint(8, 20)), float(rng.randint(60, 100))])
        return zones

    def base(self, name, layers, ts, n, drains, rice, wetness=1.0, irrigation=1.0):
        rng = self.rng
        zones = self.soil(layers)
        dr = sum(z[0] for z in zones[:layers])
        dt = zones[layers][0]
        rain, irrig, etp, sdr = self.climate(ts, n, wetness, irrigation)
        ds = {
            "name": name + ".inp",
            "title1": "Generated data set %s" % name,
            "title2": "%d layer(s), steps of %d days, %s drains, %s rice"
                      % (layers, ts, "with" if drains else "no", "with" if rice else "no"),
            "layers": layers, "n": n, "ts": ts,
            "drains": drains,
            "Dd": rounded(rng.uniform(dr + 0.1, dr + dt - 0.1)),
            "QH1": rounded(rng.uniform(0.002, 0.06), 4),
            "QH2": rounded(rng.uniform(0.001, 0.03), 4),
            "Si": rounded(rng.uniform(0.4, 3.0), 1),
            "S1init": rounded(rng.uniform(1.0, 12.0), 1),
            "S2init": rounded(rng.uniform(1.0, 12.0), 1),
            "S3init": rounded(rng.uniform(1.0, 12.0), 1),
            "STinit": rounded(rng.uniform(2.0, 15.0), 1),
            "SAinit": rounded(rng.uniform(1.0, 8.0), 1),
            "DwtInit": rounded(rng.uniform(0.8, 2.6)),
            "Dc": rounded(rng.uniform(0.8, 2.2)),
            "MoistInit": rounded(rng.uniform(30, 80)),
            "IrrEff": rounded(rng.uniform(45, 85), 1),
            "Inf": rounded(rng.choice([0.0, rng.uniform(0, 1.5)]), 1),
            "Out": rounded(rng.choice([0.0, rng.uniform(0, 1.5)]), 1),
            "Sinf": rounded(rng.uniform(1.0, 5.0), 1),
            "rice": rice,
            "InfCap": rounded(rng.uniform(1.0, 8.0), 1),
            "RiceTransp": rounded(rng.uniform(30, 80), 1),
            "rain": rain, "irrig": irrig, "etp": etp, "sdr": sdr,
            "drain_meas": [-1000.0] * n, "dwt_meas": [-1000.0] * n,
            "zones": zones,
            "salt_meas": [[-1.0] * n for _ in range(layers + 2)],
        }
        if rice:
            for i in range(n):
                ds["irrig"][i] = rounded(ds["irrig"][i] * 1.6 + 60 * ts / 30.0)
        return ds

    # ---- measurements made from a simulation with other factors

    def simulate(self, ds, qh=None, le=None):
        """The reference's results for ds with the given drainage factors and
        leaching efficiencies (per cent), or None when the run stops."""
        sim = dict(ds)
        if qh is not None:
            sim["QH1"], sim["QH2"] = qh
        if le is not None:
            sim["zones"] = [list(z) for z in ds["zones"]]
            for z, value in zip(sim["zones"], le):
                z[3] = value
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "sim.inp")
            with open(path, "wb") as f:
                f.write(input_writer.data_set_text(sim).encode("latin-1"))
            data = reference.load_input_file(path, lambda text: None)
            reference.compute_saved_values(data)
            calc = reference.Calculation(data, lambda text: None, lambda text: False,
                                         os.path.join(tmp, "sim.out"))
            try:
                calc.run()
            except reference.RunStopped:
                return None
        return calc

    def measure_depths(self, ds, calc, count, zeros=0):
        rng = self.rng
        n = ds["n"]
        steps = rng.sample(range(n), min(count, n))
        for i in steps:
            value = calc.Dwt[i + 1] + rng.gauss(0, 0.04)
            ds["dwt_meas"][i] = rounded(max(value, 0.0), 3)
        for i in rng.sample(steps, min(zeros, len(steps))):
            ds["dwt_meas"][i] = 0.0

    def measure_discharges(self, ds, calc, count, zeros=0):
        rng = self.rng
        n = ds["n"]
        steps = rng.sample(range(n), min(count, n))
        for i in steps:
            value = calc.Drain[i + 1] * rng.uniform(0.85, 1.15)
            ds["drain_meas"][i] = rounded(max(value, 0.0))
        for i in rng.sample(steps, min(zeros, len(steps))):
            ds["drain_meas"][i] = 0.0

    def measure_salinities(self, ds, calc, counts, zeros=0):
        rng = self.rng
        n = ds["n"]
        layers = ds["layers"]
        results = [calc.S1s, calc.S2s, calc.S3s][:layers] + [calc.STrs, calc.SAqs]
        for z, count in enumerate(counts):
            steps = rng.sample(range(n), min(count, n))
            for i in steps:
                value = results[z][i + 1] * rng.uniform(0.9, 1.1) if calc else rng.uniform(1, 12)
                ds["salt_meas"][z][i] = rounded(max(value, 0.01))
            for i in rng.sample(steps, min(zeros, len(steps))):
                ds["salt_meas"][z][i] = 0.0

    def random_measurements(self, ds, calc):
        rng = self.rng
        n = ds["n"]
        if calc is None:
            return
        self.measure_depths(ds, calc, rng.choice([0, 3, 4, 5, n // 3, n // 2]), zeros=rng.choice([0, 0, 1]))
        if ds["drains"]:
            self.measure_discharges(ds, calc, rng.choice([0, 4, 5, n // 3]), zeros=rng.choice([0, 1]))
        counts = [rng.choice([0, 2, 3, 4, 5, n // 4]) for _ in range(ds["layers"] + 2)]
        self.measure_salinities(ds, calc, counts, zeros=rng.choice([0, 0, 1]))

    # ---- kinds of data sets: each returns (data set, options, description, older layout)

    def pick(self, optimization=False):
        rng = self.rng
        layers = rng.choice([1, 2, 3])
        ts = rng.choice([360, 30, 7, 1])
        lo, hi = STEP_COUNTS[ts][0 if optimization else 1]
        return layers, ts, rng.randint(lo, hi)

    def kind_plain(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.6, rng.random() < 0.2)
        self.random_measurements(ds, self.simulate(ds))
        return ds, [], "plain run", False

    def kind_surface(self, name):
        """Much irrigation, little drainage: the water table reaches the surface."""
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.4, False, wetness=1.5, irrigation=2.5)
        ds["IrrEff"] = rounded(rng.uniform(30, 50), 1)
        ds["DwtInit"] = rounded(rng.uniform(0.2, 0.9))
        ds["Inf"] = rounded(rng.uniform(0.5, 2.0), 1)
        ds["Out"] = 0.0
        ds["QH1"] = rounded(rng.uniform(0.001, 0.005), 4)
        ds["QH2"] = rounded(rng.uniform(0.001, 0.003), 4)
        for z in ds["zones"]:
            z[2] = float(rng.randint(2, 5))
        ds["sdr"] = [rounded(rng.choice([0.0, rng.uniform(0, 60 * ts / 30.0)])) for _ in range(n)]
        self.random_measurements(ds, self.simulate(ds))
        return ds, [], "water table up to the surface", False

    def kind_ponded_start(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, False, wetness=1.3, irrigation=1.5)
        ds["DwtInit"] = rounded(-rng.uniform(0.02, 0.4))
        ds["sdr"] = [rounded(rng.choice([0.0, 5.0, rng.uniform(0, 400)])) for _ in range(n)]
        ds["Inf"] = rounded(rng.uniform(0.3, 1.5), 1)
        self.random_measurements(ds, self.simulate(ds))
        return ds, [], "water standing on the field at the start", False

    def kind_rice(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.3, True, irrigation=1.5)
        if rng.random() < 0.5:
            ds["DwtInit"] = rounded(rng.uniform(-0.1, 0.5))
        self.random_measurements(ds, self.simulate(ds))
        return ds, [], "rice under standing water", False

    def kind_deep(self, name):
        """Strong outflow from a thin aquifer: the run stops below the aquifer."""
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, False, irrigation=0.1)
        ds["Out"] = rounded(rng.uniform(4.0, 12.0), 1)
        ds["Inf"] = 0.0
        ds["zones"][-1][0] = rounded(rng.uniform(0.5, 2.0))
        ds["zones"][-1][2] = float(rng.randint(3, 8))
        return ds, [], "water table sinking below the aquifer", False

    def kind_refused(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, rng.random() < 0.2)
        what = rng.choice(["thickness", "total porosity", "effective porosity", "irrigation efficiency"])
        zone = rng.randrange(layers + 2)
        if what == "irrigation efficiency":
            ds["IrrEff"] = 0.0
        else:
            ds["zones"][zone][["thickness", "total porosity", "effective porosity"].index(what)] = 0.0
        return ds, [], "refused: %s 0 (zone %d)" % (what, zone + 1), False

    def kind_unknown_le(self, name):
        """A leaching efficiency left empty (-1): searched or not."""
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ts = rng.choice([30, 7, 1])
        lo, hi = STEP_COUNTS[ts][0]
        n = rng.randint(lo, hi)
        ds = self.base(name, layers, ts, n, False, False)
        zone = rng.randrange(layers + 2)
        calc = self.simulate(ds)
        ds["zones"][zone][3] = -1.0
        counts = [0] * (layers + 2)
        counts[zone] = rng.choice([3, 4, 6])
        self.measure_salinities(ds, calc, counts)
        answer = rng.choice(["yes", "no"])
        return ds, ["--leaching-opt=" + answer], "leaching efficiency of zone %d unknown, %d measured" % (
            zone + 1, counts[zone]), False

    def kind_no_le_line(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, False)
        for z in rng.sample([-2, -1], rng.choice([1, 2])):
            ds["zones"][z][3] = 0.0
        self.random_measurements(ds, self.simulate(ds))
        return ds, [], "leaching efficiency 0 below the root zone", False

    def kind_critical(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, False)
        dr = sum(z[0] for z in ds["zones"][:layers])
        ds["Dc"] = rounded(rng.uniform(0.0, 0.5 * dr))
        ds["DwtInit"] = rounded(rng.uniform(0.3, 1.5))
        self.random_measurements(ds, self.simulate(ds))
        return ds, [], "critical depth within the upper half of the root zone", False

    def kind_older(self, name):
        rng = self.rng
        layers, ts, n = self.pick()
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, rng.random() < 0.2)
        ds["S2init"] = ds["S3init"] = ds["S1init"]
        ds["MoistInit"] = 50.0
        return ds, [], "older file layout", True

    def kind_drain_opt(self, name):
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, True, rng.random() < 0.15)
        ds["DwtInit"] = rounded(rng.uniform(1.0, ds["Dd"] + 0.3))
        true_qh = (rounded(rng.uniform(0.005, 0.08), 3), rounded(rng.uniform(0.003, 0.06), 3))
        calc = self.simulate(ds, qh=true_qh)
        if calc is None:
            calc = self.simulate(ds)
        if calc is not None:
            nd = rng.choice([0, 3, 4, 5, 6, n // 2, n])
            nq = rng.choice([0, 4, 5, 6, n // 2, n])
            self.measure_depths(ds, calc, nd, zeros=rng.choice([0, 0, 1]))
            self.measure_discharges(ds, calc, nq, zeros=rng.choice([0, 0, 1]))
        options = ["--drainage-opt=yes", "--fit-choice=" + rng.choice(["yes", "no"])]
        return ds, options, "drainage-factor optimization (true factors %s)" % (true_qh,), False

    def kind_drain_daily(self, name):
        """Daily steps: the storage change makes the balance objective differ between trials."""
        rng = self.rng
        layers = rng.choice([1, 2, 3])
        n = rng.randint(30, 90)
        ds = self.base(name, layers, 1, n, True, rng.random() < 0.2)
        ds["DwtInit"] = rounded(rng.uniform(0.6, ds["Dd"] + 0.2))
        if rng.random() < 0.5:
            ds["Dc"] = rounded(rng.uniform(2.0, 4.0))
        true_qh = (rounded(rng.uniform(0.005, 0.08), 3), rounded(rng.uniform(0.003, 0.06), 3))
        calc = self.simulate(ds, qh=true_qh) or self.simulate(ds)
        if calc is not None:
            self.measure_depths(ds, calc, rng.choice([0, 4, 5, n // 4, n // 2]), zeros=rng.choice([0, 1]))
            self.measure_discharges(ds, calc, rng.choice([0, 4, 5, n // 4, n // 2]), zeros=rng.choice([0, 1]))
        options = ["--drainage-opt=yes", "--fit-choice=" + rng.choice(["yes", "no"])]
        return ds, options, "daily drainage-factor optimization (true factors %s)" % (true_qh,), False

    def kind_fit_choice(self, name):
        """Depths and discharges both measured often and closely: both fits qualify."""
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, True, False)
        ds["DwtInit"] = rounded(rng.uniform(0.6, ds["Dd"]))
        ds["Inf"] = rounded(rng.uniform(0.0, 1.0), 1)
        true_qh = (rounded(rng.uniform(0.005, 0.09), 3), rounded(rng.uniform(0.003, 0.09), 3))
        calc = self.simulate(ds, qh=true_qh) or self.simulate(ds)
        noise = rng.choice([0.005, 0.02, 0.05, 0.1, 0.15])
        if calc is not None:
            n = ds["n"]
            for i in range(n):
                if rng.random() < 0.8:
                    ds["dwt_meas"][i] = rounded(max(calc.Dwt[i + 1] + rng.gauss(0, noise), 0.0), 3)
                if rng.random() < 0.8:
                    ds["drain_meas"][i] = rounded(max(calc.Drain[i + 1] * rng.uniform(0.98, 1.02), 0.0))
        options = ["--drainage-opt=yes", "--fit-choice=" + rng.choice(["yes", "no"])]
        return ds, options, "both fits good (true factors %s)" % (true_qh,), False

    def kind_deep_measured(self, name):
        """Measured depths below the bottom of the soil column: the water-table
        optimum is a pair whose fit run sinks below the aquifer."""
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, True, False, irrigation=0.5)
        bottom = sum(z[0] for z in ds["zones"])
        ds["Out"] = rounded(rng.uniform(0.5, 3.0), 1)
        ds["Inf"] = 0.0
        for i in range(n):
            if rng.random() < 0.6:
                ds["dwt_meas"][i] = rounded(bottom + rng.uniform(0.5, 5.0), 3)
            if rng.random() < 0.4:
                ds["drain_meas"][i] = rounded(rng.uniform(0.0, 30.0) * ts / 30.0)
        options = ["--drainage-opt=yes", "--fit-choice=" + rng.choice(["yes", "no"])]
        return ds, options, "measured depths below the aquifer bottom", False

    def kind_extreme(self, name):
        """Thin zones, strong inflow from below, saline water: large salinities,
        the denominator floor and rows wider than their fields."""
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, rng.random() < 0.2)
        for z in ds["zones"][:-1]:
            z[0] = rounded(rng.uniform(0.05, 0.3))
            z[1] = float(rng.randint(20, 45))
            z[3] = float(rng.randint(50, 100))
        ds["Dc"] = rounded(rng.uniform(0.1, 0.4))
        ds["DwtInit"] = rounded(sum(z[0] for z in ds["zones"][:-1]) + 0.2)
        if ds["drains"]:
            dr = sum(z[0] for z in ds["zones"][:layers])
            ds["Dd"] = rounded(dr + ds["zones"][layers][0] / 2)
        ds["Inf"] = rounded(rng.uniform(3.0, 30.0), 1)
        ds["Out"] = 0.0
        ds["Sinf"] = rounded(rng.uniform(10.0, 60.0), 1)
        ds["Si"] = rounded(rng.uniform(2.0, 8.0), 1)
        for z in range(layers + 2):
            for i in rng.sample(range(n), min(n, rng.choice([0, 4, 6]))):
                ds["salt_meas"][z][i] = rounded(rng.uniform(5.0, 900.0))
        return ds, ["--leaching-opt=" + rng.choice(["yes", "no"])], "extreme salinities", False

    def kind_aquifer_two_layers(self, name):
        """Two layers, upward seepage from the aquifer, aquifer salinities measured."""
        rng = self.rng
        ts = rng.choice([30, 7, 1])
        lo, hi = STEP_COUNTS[ts][0]
        n = rng.randint(lo, hi)
        ds = self.base(name, 2, ts, n, rng.random() < 0.5, False)
        ds["Inf"] = rounded(rng.uniform(0.5, 3.0), 1)
        ds["Out"] = rounded(rng.uniform(0.0, 0.4), 1)
        true_le = [float(rng.randint(30, 150)) for _ in range(4)]
        calc = self.simulate(ds, le=true_le) or self.simulate(ds)
        self.measure_salinities(ds, calc, [rng.choice([0, 4]), rng.choice([0, 4]), rng.choice([0, 4]),
                                           rng.choice([4, 5, 8])])
        return ds, ["--leaching-opt=yes"], "2-layer aquifer search with upward seepage", False

    def kind_long(self, name):
        """Ten years of daily or weekly steps, answered without optimization."""
        rng = self.rng
        layers = rng.choice([1, 2, 3])
        ts, n = rng.choice([(1, rng.randint(1000, 3650)), (7, rng.randint(200, 520)), (30, 120)])
        ds = self.base(name, layers, ts, n, rng.random() < 0.7, rng.random() < 0.2)
        self.random_measurements(ds, self.simulate(ds))
        return ds, rng.choice([[], ["--drainage-opt=no", "--leaching-opt=no"]]), "long run", False

    def kind_amplify(self, name):
        """A transition zone of a centimetre with strong upward inflow: the
        salt-update denominator falls to its floor of 0.001, the salinity
        grows a thousandfold a day and the rows print numbers with hundreds
        of digits (every bit of the double shows), or the run overflows."""
        rng = self.rng
        layers = rng.choice([1, 1, 2, 3])
        ts = rng.choice([30, 7, 1])
        days = rng.choice([10, 20, 30, 45, 60, 75, 90, 100])
        n = max(1, days // ts)
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, rng.random() < 0.15)
        ds["zones"][layers][0] = rounded(rng.uniform(0.01, 0.03))
        dr = sum(z[0] for z in ds["zones"][:layers])
        ds["Dd"] = rounded(dr + 0.01)
        ds["zones"][layers][1] = float(rng.randint(10, 30))
        ds["zones"][layers][3] = 100.0
        ds["Inf"] = rounded(rng.uniform(5.0, 20.0), 1)
        ds["Out"] = 0.0
        ds["DwtInit"] = rounded(rng.uniform(0.5, 2.0))
        if rng.random() < 0.5:
            for z in range(layers + 2):
                for i in rng.sample(range(n), min(n, rng.choice([0, 4, 5]))):
                    ds["salt_meas"][z][i] = rounded(rng.uniform(1.0, 50.0))
        return ds, ["--leaching-opt=" + rng.choice(["yes", "no"])], "salinity growing a thousandfold a day", False

    def kind_amplify_root(self, name):
        """A top layer of one or two centimetres that loses more water upward
        than it holds: its salinity update hits the denominator floor, and
        every layer below inherits numbers that print all their digits."""
        rng = self.rng
        layers = rng.choice([2, 3])
        ts = rng.choice([30, 7, 1])
        days = rng.choice([10, 20, 30, 45, 60, 90])
        n = max(1, days // ts)
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, False, wetness=0.0, irrigation=0.0)
        ds["zones"][0][0] = rounded(rng.uniform(0.01, 0.02))
        ds["zones"][0][1] = 5.0
        ds["zones"][0][2] = 2.0
        ds["zones"][0][3] = float(rng.randint(80, 99))
        ds["zones"][1][0] = rounded(rng.uniform(0.1, 0.3))
        dr = sum(z[0] for z in ds["zones"][:layers])
        ds["Dd"] = rounded(dr + 0.6)
        ds["DwtInit"] = rounded(dr + rng.uniform(0.1, 0.5))
        ds["Dc"] = rounded(dr + rng.uniform(1.0, 2.0))
        ds["etp"] = [rounded(rng.uniform(6.0, 10.0) * ts) for _ in range(n)]
        ds["Inf"] = rounded(rng.uniform(0.0, 3.0), 1)
        return ds, [], "top-layer salinity growing a thousandfold a day", False

    def kind_floor(self, name):
        """Root-zone layers of a few centimetres under heavy irrigation: more
        water leaves a layer in a day than it holds, and the salinity
        update goes below zero and is floored at 0.1."""
        rng = self.rng
        layers = rng.choice([1, 2, 3])
        ts = rng.choice([30, 7, 1])
        lo, hi = STEP_COUNTS[ts][0]
        n = rng.randint(lo, hi)
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, False, irrigation=2.0)
        for z in ds["zones"][:layers]:
            z[0] = rounded(rng.uniform(0.02, 0.06))
            z[1] = float(rng.randint(20, 30))
            z[3] = float(rng.randint(90, 100))
        dr = sum(z[0] for z in ds["zones"][:layers])
        ds["Dd"] = rounded(dr + ds["zones"][layers][0] / 2)
        ds["IrrEff"] = rounded(rng.uniform(25, 45), 1)
        ds["DwtInit"] = rounded(dr + rng.uniform(0.3, 1.0))
        calc = self.simulate(ds)
        if calc is not None:
            self.measure_salinities(ds, calc, [rng.choice([0, 4, 6]) for _ in range(layers + 2)])
        return ds, ["--leaching-opt=" + rng.choice(["yes", "no"])], "salinity floors", False

    def kind_salt_random(self, name):
        """Measured salinities that the model cannot follow: poor and negative fits."""
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, rng.random() < 0.5, rng.random() < 0.15)
        for z in range(layers + 2):
            count = rng.choice([0, 3, 4, 5, 8])
            for i in rng.sample(range(n), min(count, n)):
                ds["salt_meas"][z][i] = rounded(rng.uniform(0.5, 40.0))
        answer = rng.choice(["yes", "no"])
        return ds, ["--leaching-opt=" + answer], "salinities measured at random", False

    def kind_leach_opt(self, name):
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, rng.random() < 0.4, rng.random() < 0.15)
        if rng.random() < 0.4:
            ds["Inf"] = rounded(rng.uniform(0.5, 2.0), 1)
            ds["Out"] = rounded(rng.uniform(0.0, 0.4), 1)
        true_le = [float(rng.randint(20, 160)) for _ in range(layers + 2)]
        calc = self.simulate(ds, le=true_le) or self.simulate(ds)
        counts = [rng.choice([0, 3, 4, 4, 6, n // 3]) for _ in range(layers + 2)]
        self.measure_salinities(ds, calc, counts, zeros=rng.choice([0, 0, 1]))
        if calc is not None:
            self.measure_depths(ds, calc, rng.choice([0, 5]))
        return ds, ["--leaching-opt=yes"], "leaching-efficiency optimization (true %s)" % (true_le,), False

    def kind_both_opt(self, name):
        rng = self.rng
        layers, ts, n = self.pick(optimization=True)
        ds = self.base(name, layers, ts, n, True, False)
        true_qh = (rounded(rng.uniform(0.005, 0.08), 3), rounded(rng.uniform(0.003, 0.06), 3))
        true_le = [float(rng.randint(30, 150)) for _ in range(layers + 2)]
        calc = self.simulate(ds, qh=true_qh, le=true_le) or self.simulate(ds)
        if calc is not None:
            self.measure_depths(ds, calc, rng.choice([4, 5, n // 2]))
            self.measure_discharges(ds, calc, rng.choice([4, 5, n // 2]))
            self.measure_salinities(ds, calc, [rng.choice([3, 4, 5]) for _ in range(layers + 2)])
        options = ["--yes"] + rng.choice([[], ["--fit-choice=no"]])
        return ds, options, "both optimizations", False


KINDS = {
    "plain": (Generator.kind_plain, 40),
    "surface": (Generator.kind_surface, 14),
    "ponded": (Generator.kind_ponded_start, 12),
    "rice": (Generator.kind_rice, 14),
    "deep": (Generator.kind_deep, 8),
    "refused": (Generator.kind_refused, 8),
    "unknown-le": (Generator.kind_unknown_le, 6),
    "no-le-line": (Generator.kind_no_le_line, 6),
    "critical": (Generator.kind_critical, 8),
    "older": (Generator.kind_older, 4),
    "drain-opt": (Generator.kind_drain_opt, 16),
    "leach-opt": (Generator.kind_leach_opt, 14),
    "both-opt": (Generator.kind_both_opt, 6),
    "drain-daily": (Generator.kind_drain_daily, 10),
    "salt-random": (Generator.kind_salt_random, 10),
    "fit-choice": (Generator.kind_fit_choice, 12),
    "deep-measured": (Generator.kind_deep_measured, 6),
    "extreme": (Generator.kind_extreme, 10),
    "aquifer-2": (Generator.kind_aquifer_two_layers, 8),
    "long": (Generator.kind_long, 6),
    "amplify": (Generator.kind_amplify, 12),
    "floor": (Generator.kind_floor, 10),
    "amplify-root": (Generator.kind_amplify_root, 10),
}


def coverage(lines, talk):
    """Tags naming the branches a completed or stopped run went through."""
    tags = set()
    for t in talk:
        if t.startswith("? Do you want Vantorel to optimize the drainage capacity to find"):
            tags.add("long drainage question")
        elif t.startswith("? Do you want Vantorel to optimize the drainage capacity to create"):
            tags.add("short drainage question")
        elif t.startswith("? The drainage capacity factors can be optimized both"):
            tags.add("fit choice question (%s form)" % ("water-table" if "goodness of fit for the water table is" in t
                                                       else "discharge"))
        elif t.startswith("? There are one or more"):
            tags.add("leaching question")
        elif "optimized from the depth" in t:
            tags.add("second chance, water table")
        elif "optimized from the drain discharge" in t:
            tags.add("second chance, discharge")
        elif "could not be optimized The QH1" in t:
            tags.add("drainage factors not optimized")
        elif "below the bottom of the aquifer" in t:
            tags.add("stop below the aquifer")
        elif "older input file" in t:
            tags.add("older file message")
        elif "must be greater than 0" in t:
            tags.add("refused data")
        elif "is not given and could not be optimized" in t:
            tags.add("unknown leaching efficiency")
    if lines is None:
        return tags
    text = [x.decode("latin-1") for x in lines]
    for line in text[6:12]:
        if "(for water balance)" in line:
            tags.add("factors optimized for the balance")
        if "(for water table)" in line:
            tags.add("factors optimized for the water table")
        if "(for drain discharge)" in line:
            tags.add("factors optimized for the discharge")
        if "(optimized)" in line:
            tags.add("leaching efficiency optimized")
        if "(given)," in line and "n.a." not in line:
            tags.add("given efficiency with a fit")
        if "determination (%) :" in line and line.split(":")[-1].strip().startswith("-"):
            tags.add("negative fit index")
    layers = int(text[5][:2])
    start = 16 + (4 if layers == 1 else 6)
    dwt_col = 4
    for row in text[start:]:
        cols = row.split()
        if len(cols) < 8:
            continue
        if cols[1 + dwt_col].startswith("-"):
            tags.add("water above the surface at a step start")
        if cols[-1] == "200.0":
            tags.add("ponding at 200 mm")
        elif cols[-1] != "0.0":
            tags.add("ponding below 200 mm")
    return tags


def transcript(stdout):
    return [line for line in stdout.splitlines() if line.startswith("! ") or line.startswith("? ")]


def read_lines(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read().split(b"\r\n")


def first_difference(a, b):
    for k in range(max(len(a), len(b))):
        if k == 1:
            continue   # the file's own path
        x = a[k] if k < len(a) else None
        y = b[k] if k < len(b) else None
        if x != y:
            return k + 1, x, y
    return None


def run(cmd, timeout):
    start = time.time()
    p = subprocess.run(cmd, capture_output=True, text=True, timeout=timeout)
    return p.returncode, p.stdout, p.stderr, time.time() - start


def compare_case(runner, folder, name, options, timeout, reference_script=REFERENCE):
    inp = os.path.join(folder, name + ".inp")
    eng_out = os.path.join(folder, name + ".engine.out")
    ref_out = os.path.join(folder, name + ".reference.out")
    for path in (eng_out, ref_out):
        if os.path.exists(path):
            os.remove(path)
    e = run([runner, "--output=" + eng_out] + options + [inp], timeout)
    r = run([sys.executable, reference_script, "--output=" + ref_out] + options + [inp], timeout)
    problems = []
    if e[0] != r[0]:
        problems.append("exit status: engine %d, reference %d (engine stderr: %s)"
                        % (e[0], r[0], e[2].strip()[:200]))
    te, tr = transcript(e[1]), transcript(r[1])
    if te != tr:
        for k in range(max(len(te), len(tr))):
            x = te[k] if k < len(te) else "(nothing)"
            y = tr[k] if k < len(tr) else "(nothing)"
            if x != y:
                problems.append("transcript line %d:\n    engine:    %s\n    reference: %s" % (k + 1, x, y))
                break
    le, lr = read_lines(eng_out), read_lines(ref_out)
    if (le is None) != (lr is None):
        problems.append("output file: engine %s, reference %s"
                        % ("wrote one" if le is not None else "wrote none",
                           "wrote one" if lr is not None else "wrote none"))
    elif le is not None:
        diff = first_difference(le, lr)
        if diff:
            k, x, y = diff
            problems.append("output line %d:\n    engine:    %r\n    reference: %r"
                            % (k, x and x.decode("latin-1"), y and y.decode("latin-1")))
    return problems, e[3], r[3], le is not None, coverage(lr, tr)


def snapshot(runner, folder):
    """A private copy of the batch runner, so that a rebuild while the
    comparison runs does not mix two versions."""
    copy = os.path.join(folder, "vantorel-run-snapshot")
    for attempt in range(30):
        try:
            shutil.copy2(runner, copy)
            subprocess.run([copy, "--help"], capture_output=True, check=True, timeout=30)
            break
        except (OSError, subprocess.SubprocessError):
            time.sleep(10)
    else:
        raise SystemExit("cannot run %s" % runner)
    print("batch runner: %s, built %s" % (runner, time.ctime(os.path.getmtime(copy))), flush=True)
    return copy


def fixed_options(folder, name):
    """The answer options of a kept or hand-made data set."""
    path = os.path.join(folder, name + ".options")
    if os.path.exists(path):
        with open(path) as f:
            return f.read().split()
    path = os.path.join(folder, name + ".txt")
    if os.path.exists(path):
        with open(path) as f:
            for line in f:
                if line.startswith("options:"):
                    return [o for o in line[len("options:"):].split() if o != "-"]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runner", default=DEFAULT_RUNNER)
    parser.add_argument("--reference", default=REFERENCE,
                        help="the reference script (a changed copy shows whether the data sets "
                             "can tell two readings apart)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=float, default=1.0,
                        help="multiplies the number of data sets of every kind")
    parser.add_argument("--kinds", default="", help="comma-separated kinds (default all)")
    parser.add_argument("--keep", default="", help="keep all generated files in this folder")
    parser.add_argument("--cases", default=os.path.join(HERE, "cases"))
    parser.add_argument("--timeout", type=float, default=900)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--no-fixed", action="store_true",
                        help="skip the hand-made data sets and the kept disagreeing ones")
    args = parser.parse_args()
    if args.list:
        for k, (_, count) in KINDS.items():
            print("%-12s %d" % (k, count))
        return 0
    kinds = [k for k in args.kinds.split(",") if k] or list(KINDS)
    folder = args.keep or tempfile.mkdtemp(prefix="vantorel-compare-")
    os.makedirs(folder, exist_ok=True)
    runner = snapshot(args.runner, folder)
    rng = random.Random(args.seed)
    gen = Generator(rng)
    totals = {}
    branches = {}
    failures = []
    if not args.no_fixed:
        # hand-made data sets, and the kept ones that disagreed before
        for source, kind in ((os.path.join(HERE, "targeted"), "targeted"), (args.cases, "kept")):
            if not os.path.isdir(source):
                continue
            for entry in sorted(os.listdir(source)):
                if not entry.endswith(".inp"):
                    continue
                name = entry[:-4]
                options = fixed_options(source, name)
                shutil.copy(os.path.join(source, entry), os.path.join(folder, entry))
                problems, te, tr, wrote, tags = compare_case(runner, folder, name, options, args.timeout,
                                                              args.reference)
                for tag in tags:
                    branches[tag] = branches.get(tag, 0) + 1
                t = totals.setdefault(kind, [0, 0, 0])
                t[0] += 1
                t[1] += 0 if problems else 1
                t[2] += 1 if wrote else 0
                print("%-6s %-45s %s" % ("agree" if not problems else "DIFFER", kind + "/" + name,
                                         " ".join(options) or "-"), flush=True)
                for p in problems:
                    print("       " + p.replace("\n", "\n       "), flush=True)
    for kind in kinds:
        make, count = KINDS[kind]
        count = max(1, int(round(count * args.count)))
        for k in range(count):
            name = "%s-s%d-%02d" % (kind, args.seed, k + 1)
            ds, options, description, older = make(gen, name)
            ds["name"] = os.path.join(folder, name + ".inp")
            text = input_writer.data_set_text(ds, older=older)
            with open(os.path.join(folder, name + ".inp"), "wb") as f:
                f.write(text.encode("latin-1"))
            problems, te, tr, wrote, tags = compare_case(runner, folder, name, options, args.timeout,
                                                              args.reference)
            for tag in tags:
                branches[tag] = branches.get(tag, 0) + 1
            label = "%d layer(s), Ts %d, %d steps%s%s" % (
                ds["layers"], ds["ts"], ds["n"], ", drains" if ds["drains"] else "",
                ", rice" if ds["rice"] else "")
            t = totals.setdefault(kind, [0, 0, 0])
            t[0] += 1
            t[2] += 1 if wrote else 0
            status = "agree" if not problems else "DIFFER"
            if not problems:
                t[1] += 1
            print("%-6s %-22s %-45s %s  (%s; engine %.1fs, reference %.1fs)"
                  % (status, name, label, " ".join(options) or "-", description, te, tr), flush=True)
            for p in problems:
                print("       " + p.replace("\n", "\n       "), flush=True)
            if problems:
                failures.append(name)
                os.makedirs(args.cases, exist_ok=True)
                shutil.copy(os.path.join(folder, name + ".inp"), os.path.join(args.cases, name + ".inp"))
                with open(os.path.join(args.cases, name + ".txt"), "w") as f:
                    f.write("data set: %s\n%s\noptions: %s\n\n" % (label, description, " ".join(options) or "-"))
                    f.write("\n".join(problems) + "\n")
    print()
    print("%-12s %6s %6s %8s" % ("kind", "sets", "agree", "outputs"))
    for kind, (n, ok, wrote) in totals.items():
        print("%-12s %6d %6d %8d" % (kind, n, ok, wrote))
    print()
    print("branches reached (number of data sets, from the reference's output and transcript):")
    for tag in sorted(branches):
        print("  %-45s %d" % (tag, branches[tag]))
    all_sets = sum(t[0] for t in totals.values())
    all_ok = sum(t[1] for t in totals.values())
    print("%d data sets, %d agree byte for byte, %d differ" % (all_sets, all_ok, all_sets - all_ok))
    if not args.keep:
        shutil.rmtree(folder, ignore_errors=True)
    return 0 if all_ok == all_sets else 1


if __name__ == "__main__":
    sys.exit(main())
