"""The extension module qinghejian._core, built by CMake from the same
sources and CMakeLists as every other program of the project, then tagged
as the stable ABI (one wheel for CPython 3.9 and later) and as the oldest
glibc it really needs, which its symbol versions say."""
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
glibc = []


def needed_glibc(library):
    """The newest GLIBC_x.y among the symbol versions the library asks for."""
    dump = subprocess.run(["objdump", "-T", library], check=True, capture_output=True, text=True).stdout
    versions = {tuple(map(int, found)) for found in re.findall(r"\bGLIBC_(\d+)\.(\d+)", dump)}
    return max(versions, default=(2, 17))


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = os.path.abspath(os.path.join(self.build_temp, "cmake"))
        subprocess.run(["cmake", "-S", SOURCE, "-B", build, "-DCMAKE_BUILD_TYPE=Release", "-DQHJ_PYTHON=ON",
                        "-DQHJ_BUILD_QT=OFF", "-DBUILD_TESTING=OFF", "-DPython3_EXECUTABLE=" + sys.executable],
                       check=True)
        subprocess.run(["cmake", "--build", build, "--target", "qhj_python"], check=True)
        target = self.get_ext_fullpath(ext.name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(os.path.join(build, "python", "_core.abi3.so"), target)
        glibc.append(needed_glibc(target))


class Wheel(bdist_wheel):
    def finalize_options(self):
        super().finalize_options()
        self.py_limited_api = "cp39"

    def get_tag(self):
        python, abi, platform = super().get_tag()
        if platform.startswith("linux_") and glibc:
            platform = "manylinux_%d_%d_%s" % (glibc[0] + (platform[len("linux_"):],))
        return python, abi, platform


setup(ext_modules=[Extension("qinghejian._core", sources=[], py_limited_api=True)],
      cmdclass={"build_ext": CMakeBuild, "bdist_wheel": Wheel})
