"""vantorel.pyi names every public class, function and attribute of the module, with its arguments."""

import ast
import re
from pathlib import Path

import vantorel

STUBS = Path(__file__).resolve().parents[2] / "python" / "vantorel.pyi"


def parameters(args):
    """A function's argument names; a star argument is only "*", since pybind11 calls each *args."""
    names = [argument.arg for argument in args.args]
    if args.vararg:
        names.append("*")
    return names + [argument.arg for argument in args.kwonlyargs]


def stubbed():
    """The stubs' top-level names, each with its members or arguments."""
    names = {}
    for node in ast.parse(STUBS.read_text()).body:
        if isinstance(node, ast.ClassDef):
            members = {}
            for item in node.body:
                if isinstance(item, ast.FunctionDef):
                    members[item.name] = parameters(item.args)
                elif isinstance(item, ast.AnnAssign):
                    members[item.target.id] = None
            names[node.name] = members
        elif isinstance(node, ast.FunctionDef):
            names[node.name] = parameters(node.args)
        elif isinstance(node, ast.AnnAssign):
            names[node.target.id] = None
    return names


def arguments(function):
    """The argument names of a function of the module, from the signature its docstring begins with."""
    signature = re.match(r"\w+\((.*)\) ->", function.__doc__.splitlines()[0]).group(1)
    names = [part.split(":")[0].strip() for part in re.split(r",\s*(?![^\[]*\])", signature) if part]
    return ["*" if name.startswith("*") else name for name in names]


def test_every_public_name_has_its_stub():
    stubs = stubbed()
    missing = []
    for name in dir(vantorel):
        if name.startswith("_") and name != "__version__":
            continue
        if name not in stubs:
            missing.append(name)
            continue
        value = getattr(vantorel, name)
        if isinstance(value, type):
            missing += [f"{name}.{member}" for member in vars(value)
                        if not member.startswith("_") and member not in stubs[name]]
        elif callable(value) and stubs[name] != arguments(value):
            missing.append(f"{name}{tuple(arguments(value))} (the stub has {tuple(stubs[name])})")
    assert not missing, "add to python/vantorel.pyi: " + ", ".join(missing)
