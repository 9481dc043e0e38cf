"""Writes a data set in the exact layout of the program's input file (.inp).

A data set is a plain dict (see DataSetText below for its keys); every
number is written with the width and the decimals of its line, so that the
reader of either program sees the same bytes.
"""

DWT_MISSING = -1000.0
SALT_MISSING = -1.0
MEASURE_PLACEHOLDER = "          -    "


def r(value, width, decimals):
    return format(value, "%d.%df" % (width, decimals))


def _measured(value, width, decimals):
    if value >= 0:
        return r(value, width, decimals)
    return MEASURE_PLACEHOLDER


def _salt(value, width, placeholder):
    if value == -1 or value == 0:
        return placeholder
    return r(value, width, 2)


def data_set_text(ds, older=False):
    """The file text (CR LF line ends).  With older=True the file has the
    earlier layout: an initial-data heading of 16 characters without the
    moisture and the lower-layer salinity lines, and no depth column."""
    layers = ds["layers"]
    n = ds["n"]
    out = []
    add = out.append
    add(" PROGRAM Vantorel INPUT DATA")
    add(" Name of this file        : " + ds["name"])
    add(" First title              : " + ds["title1"])
    add(" Second title             : " + ds["title2"])
    add("    General data")
    add(" Nunber of time steps     : " + str(n))
    add(" Step length (days)       : " + str(ds["ts"]))
    add(" Nr of root zone layers   : " + str(layers))
    add("    Drainage data")
    if ds["drains"]:
        add(" Drainage system present  : yes")
        add(" Depth subsurf. drains(m) : " + r(ds["Dd"], 7, 2))
        add(" Drain. react. fact. QH1  : " + r(ds["QH1"], 8, 4))
        add(" Drain. react. fact. QH2  : " + r(ds["QH2"], 8, 4))
    else:
        add(" Drainage system present  : no")
        add(" Depth subsurf. drains(m)  : n.a.")
        add(" Drain. react. fact. QH1  : n.a.")
        add(" Drain. react. fact. QH2  : n.a.")
    if older:
        add("    Initial data")
    else:
        add("    Initial data soil and water")
    add(" Salt conc. irr. water (dS/m)       : " + r(ds["Si"], 8, 1))
    add(" Number of layers in root zone       :     %d" % layers)
    if layers == 1 or older:
        add(" Init. salt conc. root zone (dS/m)   : " + r(ds["S1init"], 8, 1))
    else:
        add(" Init. salt conc. 1st layer (dS/m)   :" + r(ds["S1init"], 8, 1))
        add(" Init. salt conc. 2nd layer (dS/m)   :" + r(ds["S2init"], 8, 1))
        if layers == 3:
            add(" Init. salt conc. 3rd layer (dS/m)   :" + r(ds["S3init"], 8, 1))
    add(" Init. salt conc. trans. zone (dS/m) : " + r(ds["STinit"], 7, 1))
    add(" Init. salt conc. aquifer (dS/m)     : " + r(ds["SAinit"], 7, 1))
    add(" Initial depth water table (m)       : " + r(ds["DwtInit"], 7, 2))
    add(" Critical depth water table (m)      : " + r(ds["Dc"], 7, 2))
    if not older:
        add(" Initial soil moisture content (%)   : " + r(ds["MoistInit"], 7, 2))
    add(" Irrigation efficiency (%)           : " + r(ds["IrrEff"], 7, 1))
    add(" Inflow of groundwater (mm/day)      : " + r(ds["Inf"], 7, 1))
    add(" Outflow of groundwater (mm/day)     : " + r(ds["Out"], 7, 1))
    add(" Salinity groundwater inflow (dS/m)  : " + r(ds["Sinf"], 7, 1))
    if ds["rice"]:
        add(" Is rice used under waterlogging?    :     Yes")
        add(" Infiltration capacity (mm/day)      : " + r(ds["InfCap"], 7, 1))
        add(" Rice transpiration (% of Evapor.)   : " + r(ds["RiceTransp"], 7, 1))
    else:
        add(" Is rice used under waterlogging?    :     No")
        add(" Infiltration capacity (mm/day)      :     n.a.")
        add(" Rice transpiration (% of Evapor.)   :     n.a.")
    add("")
    add(" Hydrological data")
    add(" Time Step     Rainfall      Irrigation      Evaporation    Surf.Drainage   SubSurf.Drainage Depth WT")
    add("             mm/time step   mm/time step     mm/time step    mm/time step   mm/time step        m")
    for i in range(n):
        row = (format(i + 1, "10d") + r(ds["rain"][i], 13, 2) + r(ds["irrig"][i], 16, 2)
               + r(ds["etp"][i], 15, 2) + r(ds["sdr"][i], 15, 2)
               + _measured(ds["drain_meas"][i], 15, 2))
        if not older:
            row += _measured(ds["dwt_meas"][i], 15, 3)
        add(row)
    add("")
    z = ds["zones"]   # list of (thickness, total porosity, effective porosity, leaching efficiency)
    if layers == 1:
        add(" Soil properties, root zone has 1 layer")
        add("             Thickness (m)")
        add(" - - - - - - - - - - - - - - - - - - -")
        add(" Root zone   Transition zone   Aquifer")
        add(r(z[0][0], 10, 2) + r(z[1][0], 18, 2) + r(z[2][0], 10, 2))
        labels = [" Root zone   ", " Trans. zone ", " Aquifer     "]
    elif layers == 2:
        add(" Soil properties, root zone has 2 layers")
        add("                   Thickness (m) ")
        add(" - - - - - - - - - - - - - - - - - - - - - -")
        add("    Root zone   ")
        add(" - - - - - - - -   Transition zone   Aquifer")
        add(" Layer1    Layer2")
        add(r(z[0][0], 7, 2) + r(z[1][0], 10, 2) + r(z[2][0], 17, 2) + r(z[3][0], 10, 2))
        labels = [" 1st layer   ", " 2nd layer   ", " Trans. zone ", " Aquifer     "]
    else:
        add(" Soil properties, root zone has 3 layers")
        add("                      Thickness (m)")
        add(" - - - - - - - - - - - - - - - - - - - - - - - - - - - ")
        add("         Root zone   ")
        add(" - - - - - - - - - - - - - -  Transition zone   Aquifer")
        add(" Layer1    Layer2    Layer3")
        add(r(z[0][0], 7, 2) + r(z[1][0], 10, 2) + r(z[2][0], 10, 2) + r(z[3][0], 17, 2)
            + r(z[4][0], 10, 2))
        labels = [" 1st layer   ", " 2nd layer   ", " 3rd layer   ", " Trans. zone ", " Aquifer     "]
    add("")
    add(" Other soil properties in %")
    if not older:
        add("              Total porosity  Effective porosity  Leaching efficiency")
    for label, zone in zip(labels, z):
        add(label + r(zone[1], 15, 0) + r(zone[2], 20, 0) + r(zone[3], 21, 0))
    add("")
    salt = ds["salt_meas"]   # per zone of the layer count: list of n values
    if layers == 1:
        add(" Measured soil moisture salinity data ECsm in dS/m, root zone has 1 layer")
        add(" Time step   Root zone   Transition zone   Aquifer")
        for i in range(n):
            add(format(i + 1, "10d") + _salt(salt[0][i], 12, "         -")
                + _salt(salt[1][i], 12, "           -") + _salt(salt[2][i], 12, "          -"))
    elif layers == 2:
        add(" Measured soil moisture salinity data ECsm in dS/m, root zone has 2 layers")
        add("              Root zone   ")
        add(" Time Step  - - - - - - - -   Transition zone   Aquifer")
        add("            Layer1   Layer2")
        add(" - - - - - - - - - - - - - -")
        for i in range(n):
            add(format(i + 1, "10d") + _salt(salt[0][i], 8, "       -")
                + _salt(salt[1][i], 9, "       -") + _salt(salt[2][i], 18, "           -")
                + _salt(salt[3][i], 12, "           -"))
    else:
        add(" Measured soil moisture salinity data ECsm in dS/m, root zone has 3 layers")
        add("                   Root zone   ")
        add(" Time Step  - - - - - - - - - - -   Transition zone   Aquifer")
        add("            Layer1  Layer2  Layer3")
        add(" - - - - - - - - - - - - - - - - -")
        for i in range(n):
            add(format(i + 1, "10d") + _salt(salt[0][i], 8, "       -")
                + _salt(salt[1][i], 8, "       -") + _salt(salt[2][i], 8, "       -")
                + _salt(salt[3][i], 12, "           -") + _salt(salt[4][i], 12, "          -"))
    return "".join(line + "\r\n" for line in out)
