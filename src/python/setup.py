"""The extension module qinghejian._core, built by CMake from the same
sources and CMakeLists as every other program of the project, then tagged
as the stable ABI (one wheel for CPython 3.9 and later), as the machine it
is built for and as the oldest glibc it really needs, which its symbol
versions say. QHJ_PREBUILT_CORE names a module built already, as the glibc
2.17 ones of scripts/pack-python.sh are, to be packed instead.

QHJ_WASM_CORE names the core built as WebAssembly instead: then the wheel
is py3-none-any, for every platform without a native one, carries that
core and needs wasmtime to run it."""
import os
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext
from wheel.bdist_wheel import bdist_wheel

HERE = os.path.dirname(os.path.abspath(__file__))
# Next to this file in the package's source tree; two folders up in a checkout.
SOURCE = HERE if os.path.exists(os.path.join(HERE, "CMakeLists.txt")) else os.path.dirname(os.path.dirname(HERE))
built = []  # (glibc, machine) of the module packed
# ELF's e_machine, as a wheel's tag names the machine.
MACHINES = {0x3E: "x86_64", 0xB7: "aarch64"}
WASM_CORE = os.environ.get("QHJ_WASM_CORE")
WASMTIME = "wasmtime==50.0.1"


def needed_glibc(library):
    """The newest GLIBC_x.y among the symbol versions the library asks for."""
    dump = subprocess.run(["objdump", "-T", library], check=True, capture_output=True, text=True).stdout
    versions = {tuple(map(int, found)) for found in re.findall(r"\bGLIBC_(\d+)\.(\d+)", dump)}
    # No manylinux older than manylinux2014 is made.
    return max(versions | {(2, 17)})


def machine(library):
    with open(library, "rb") as f:
        header = f.read(20)
    return MACHINES.get(int.from_bytes(header[18:20], "little"))


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        module = os.environ.get("QHJ_PREBUILT_CORE")
        if not module:
            build = os.path.abspath(os.path.join(self.build_temp, "cmake"))
            subprocess.run(["cmake", "-S", SOURCE, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                            "-DQHJ_PYTHON=ON",
                            "-DQHJ_BUILD_QT=OFF", "-DBUILD_TESTING=OFF",
                            "-DPython3_EXECUTABLE=" + sys.executable], check=True)
            subprocess.run(["cmake", "--build", build, "--target", "qhj_python"], check=True)
            module = os.path.join(build, "python", "_core.abi3.so")
        target = self.get_ext_fullpath(ext.name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(module, target)
        if sys.platform.startswith("linux"):
            built.append((needed_glibc(target), machine(target)))


class Wheel(bdist_wheel):
    def finalize_options(self):
        super().finalize_options()
        self.py_limited_api = "cp39"

    def get_tag(self):
        python, abi, platform = super().get_tag()
        if platform.startswith("linux_") and built and built[0][1]:
            (major, minor), arch = built[0]
            platform = "manylinux_%d_%d_%s" % (major, minor, arch)
            if (major, minor) == (2, 17):
                platform += ".manylinux2014_" + arch
        return python, abi, platform


if WASM_CORE:
    shutil.copyfile(WASM_CORE, os.path.join(SOURCE, "src", "python", "qinghejian", "qinghejian.wasm"))
    setup(install_requires=[WASMTIME])
else:
    setup(ext_modules=[Extension("qinghejian._core", sources=[], py_limited_api=True)],
          cmdclass={"build_ext": CMakeBuild, "bdist_wheel": Wheel})
