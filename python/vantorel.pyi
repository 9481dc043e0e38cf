"""Type stubs of the module vantorel: the data set, the calculation and the drain design of Vantorel.

Units are those of the input file: flows in mm per time step, porosities and efficiencies in per
cent, depths and thicknesses in m, salinities in dS/m.
"""

import datetime
import os
from typing import Any, Iterable, Optional, Union, overload

import numpy as np
import numpy.typing as npt
import pandas as pd

__version__: str

_Path = Union[str, "os.PathLike[str]"]
_Series = npt.NDArray[np.float64]

class FileError(OSError):
    """A file that cannot be read or written, or whose text is malformed."""

class DataSet:
    """The data set of one input file, under the model's field names."""

    def __init__(self) -> None: ...
    def save(self, path: _Path) -> str: ...
    def copy(self) -> DataSet: ...
    def __copy__(self) -> DataSet: ...
    def __deepcopy__(self, memo: dict[int, Any]) -> DataSet: ...
    def __getstate__(self) -> dict[str, Any]: ...
    def __setstate__(self, state: dict[str, Any]) -> None: ...

    NrTimeSteps: int
    Ts: int
    NrLayers: int
    DrainPresent: bool
    RicePresent: bool
    Title1: str
    Title2: str
    start: Optional[datetime.date]
    @property
    def FileName(self) -> str: ...
    @property
    def NrMeasDwt(self) -> int: ...
    @property
    def NrMeasDrain(self) -> int: ...
    @property
    def OlderFile(self) -> bool: ...

    D1: float
    D2: float
    D3: float
    Dt: float
    Da: float
    TP1: float
    TP2: float
    TP3: float
    TPt: float
    TPa: float
    EffPor1: float
    EffPor2: float
    EffPor3: float
    EffPort: float
    EffPora: float
    LE1: float
    LE2: float
    LE3: float
    LEt: float
    LEa: float
    Dd: float
    QH1: float
    QH2: float
    Si: float
    S1init: float
    S2init: float
    S3init: float
    STinit: float
    SAinit: float
    DwtInit: float
    Dc: float
    MoistInit: float
    IrrEff: float
    Inf: float
    Out: float
    Sinf: float
    InfCap: float
    RiceTransp: float

    # The series of the steps 1..NrTimeSteps; they write through to the data set. A measurement
    # not made keeps the file's marker: -1000 in DwtMeas and DrainMeas, -1 in S1meas .. SAmeas.
    @property
    def Rain(self) -> _Series: ...
    @Rain.setter
    def Rain(self, values: npt.ArrayLike) -> None: ...
    @property
    def Irrig(self) -> _Series: ...
    @Irrig.setter
    def Irrig(self, values: npt.ArrayLike) -> None: ...
    @property
    def ETp(self) -> _Series: ...
    @ETp.setter
    def ETp(self, values: npt.ArrayLike) -> None: ...
    @property
    def Sdr(self) -> _Series: ...
    @Sdr.setter
    def Sdr(self, values: npt.ArrayLike) -> None: ...
    @property
    def DwtMeas(self) -> _Series: ...
    @DwtMeas.setter
    def DwtMeas(self, values: npt.ArrayLike) -> None: ...
    @property
    def DrainMeas(self) -> _Series: ...
    @DrainMeas.setter
    def DrainMeas(self, values: npt.ArrayLike) -> None: ...
    @property
    def S1meas(self) -> _Series: ...
    @S1meas.setter
    def S1meas(self, values: npt.ArrayLike) -> None: ...
    @property
    def S2meas(self) -> _Series: ...
    @S2meas.setter
    def S2meas(self, values: npt.ArrayLike) -> None: ...
    @property
    def S3meas(self) -> _Series: ...
    @S3meas.setter
    def S3meas(self, values: npt.ArrayLike) -> None: ...
    @property
    def STmeas(self) -> _Series: ...
    @STmeas.setter
    def STmeas(self, values: npt.ArrayLike) -> None: ...
    @property
    def SAmeas(self) -> _Series: ...
    @SAmeas.setter
    def SAmeas(self, values: npt.ArrayLike) -> None: ...

class Run:
    """The result of vantorel.run: one calculation and its output file read back."""

    @property
    def completed(self) -> bool: ...
    @property
    def status(self) -> str: ...
    @property
    def stopped_message(self) -> Optional[str]: ...
    @property
    def dialog(self) -> list[str]: ...
    @property
    def output(self) -> Optional[str]: ...
    @property
    def table(self) -> Optional[pd.DataFrame]: ...
    @property
    def factors(self) -> dict[str, Any]: ...
    @property
    def leaching(self) -> Optional[pd.DataFrame]: ...
    @property
    def statistics(self) -> Optional[pd.DataFrame]: ...
    def __getstate__(self) -> tuple[Any, ...]: ...
    def __setstate__(self, state: tuple[Any, ...]) -> None: ...

class FileTask:
    """One input file's run as a task of a dask cluster; returns its manifest line."""

    def __call__(self, input: str) -> str: ...
    def __getstate__(self) -> tuple[bool, bool, bool, int]: ...
    def __setstate__(self, state: tuple[bool, bool, bool, int]) -> None: ...

class Uncertainty:
    """The result of vantorel.uncertainty: the posterior of the fitted drainage factors, their
    intervals and the prediction bands."""

    @property
    def objective(self) -> str: ...
    @property
    def n(self) -> int: ...
    @property
    def posterior(self) -> pd.DataFrame: ...
    @property
    def intervals(self) -> pd.DataFrame: ...
    @property
    def bands(self) -> pd.DataFrame: ...
    @property
    def summary(self) -> str: ...
    @property
    def dialog(self) -> list[str]: ...
    def __getstate__(self) -> tuple[Any, ...]: ...
    def __setstate__(self, state: tuple[Any, ...]) -> None: ...

class Study:
    """The result of vantorel.study: the summary of every scenario and, for a Monte Carlo study,
    the bands and rank correlations of its sampled rows."""

    @property
    def folder(self) -> str: ...
    @property
    def summary(self) -> pd.DataFrame: ...
    @property
    def bands(self) -> Optional[pd.DataFrame]: ...
    @property
    def sensitivity(self) -> Optional[pd.DataFrame]: ...
    def __getstate__(self) -> tuple[Any, ...]: ...
    def __setstate__(self, state: tuple[Any, ...]) -> None: ...

def load_input(path: _Path) -> DataSet: ...
def run(
    ds_or_path: Union[DataSet, _Path],
    drainage_opt: bool = False,
    fit_choice: bool = True,
    leaching_opt: bool = False,
    output: Optional[_Path] = None,
) -> Run: ...
def read_output(path: _Path) -> pd.DataFrame: ...
def run_many(
    items: Iterable[Union[DataSet, _Path]],
    jobs: Optional[int] = None,
    client: Any = None,
    folder: Optional[_Path] = None,
    drainage_opt: bool = False,
    fit_choice: bool = True,
    leaching_opt: bool = False,
    task_threads: int = 1,
) -> pd.DataFrame: ...
def study(
    base: Union[DataSet, _Path],
    study: Union[_Path, pd.DataFrame],
    folder: _Path,
    samples: Optional[int] = None,
    seed: int = 1,
    jobs: Optional[int] = None,
    drainage_opt: bool = False,
    fit_choice: bool = True,
    leaching_opt: bool = False,
) -> Study: ...
def objective_map(ds_or_path: Union[DataSet, _Path]) -> pd.DataFrame: ...
def uncertainty(
    ds_or_path: Union[DataSet, _Path], fit_choice: bool = True, leaching_opt: bool = False
) -> Uncertainty: ...
def import_series(
    base: Union[DataSet, _Path],
    *sources: Union[_Path, pd.DataFrame],
    start: Union[str, datetime.date],
    step: Optional[str] = None,
    steps: Optional[int] = None,
    latitude: Optional[float] = None,
    elevation: Optional[float] = None,
    wind_height: float = 2.0,
    crop_factor: float = 1.0,
) -> DataSet: ...
def et0(
    weather: Union[pd.DataFrame, _Path],
    latitude: float,
    elevation: Optional[float] = None,
    wind_height: float = 2.0,
) -> pd.Series: ...
@overload
def drain_factors(
    ka: float, kb: float, depth_below: float, perimeter: float, porosity: float, spacing: float
) -> dict[str, float]: ...
@overload
def drain_factors(
    ka: float, kb: float, depth_below: float, perimeter: float, porosity: float, spacing: Iterable[float]
) -> pd.DataFrame: ...
def drain_spacing(
    ka: float,
    kb: float,
    depth_below: float,
    perimeter: float,
    discharge: float,
    head: float,
    porosity: Optional[float] = None,
) -> dict[str, float]: ...
