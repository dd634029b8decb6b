"""A Spark standalone cluster on loopback, started and ended here: a master
and two workers, each executor a JVM of its own, running a table of vouchers
through the SQL functions of qinghejian-sql and through the wheel's Arrow
path, every row checked against qinghejian-convert.

    cluster_test.py WORK SQL_JAR CORE_JAR CONVERT [--bench]

Run by cluster_test.sh in a virtual environment that has the wheel, with
PySpark, pandas and pyarrow beside it. With --bench it prints the time of
the query with to_capitals beside the same query with CAST(amount AS STRING),
and of the Arrow path beside the companion's.
"""
import contextlib
import csv
import os
import re
import signal
import socket
import subprocess
import sys
import time
from decimal import Decimal

import numpy as np
import pandas as pd
import pyarrow as pa
import pyarrow.parquet as pq
import pyspark

import qinghejian

ROWS = 10**6


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def vouchers(path):
    """The table: DECIMAL(38,18) amounts as a ledger holds them, with nulls,
    negatives, amounts below a yuan, past 仟万亿 and past sixteen digits, and
    a third decimal the rules refuse."""
    rng = np.random.default_rng(20261210)
    cents = rng.integers(0, 10**10, ROWS)
    kind = rng.integers(0, 100, ROWS)
    amounts = []
    for c, k in zip(cents.tolist(), kind.tolist()):
        if k == 0:
            amounts.append(None)
        elif k == 1:
            amounts.append(Decimal(c).scaleb(-3))  # a nonzero third decimal, mostly
        elif k == 2:
            amounts.append(Decimal(10**17 + c).scaleb(-2))  # 仟万亿, sixteen digits
        elif k == 3:
            amounts.append(Decimal(10**16 + c))  # seventeen digits
        elif k == 4:
            amounts.append(Decimal(c % 100).scaleb(-2))  # under a yuan
        else:
            amounts.append(Decimal(-c if k < 15 else c).scaleb(-2))
    table = pa.table({"id": pa.array(range(ROWS), pa.int64()),
                      "amount": pa.array(amounts, pa.decimal128(38, 18))})
    pq.write_table(table, path)
    return amounts


def companion(convert, amounts, work):
    """What qinghejian-convert writes for each amount, None where it writes a
    notice, as it does for what it cuts or cannot write."""
    lines = ["" if a is None else format(a.quantize(Decimal("0.01")) if a == a.quantize(Decimal("0.01"))
                                         else a.normalize(), "f") for a in amounts]
    source = os.path.join(work, "amounts.txt")
    with open(source, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    started = time.perf_counter()
    done = subprocess.run([convert, "--standard", "-f", source], capture_output=True, text=True)
    seconds = time.perf_counter() - started
    noticed = {int(n) - 1 for n in re.findall(r"^第(\d+)行：", done.stderr, re.M)}
    written = done.stdout.split("\n")[:ROWS]
    return [None if a is None or i in noticed else written[i] for i, a in enumerate(amounts)], seconds


class Cluster:
    """One master and two workers on 127.0.0.1, their processes in groups of
    their own, to be ended with everything they start."""

    def __init__(self, work):
        self.home = os.path.dirname(pyspark.__file__)
        # For the driver too, which PySpark starts from this process.
        os.environ.update(SPARK_HOME=self.home, SPARK_LOCAL_IP="127.0.0.1", PYSPARK_PYTHON=sys.executable)
        self.env = dict(os.environ, SPARK_LOG_DIR=os.path.join(work, "logs"), SPARK_NO_DAEMONIZE="1")
        self.work = work
        self.processes = []
        self.port = free_port()
        self.url = "spark://127.0.0.1:%d" % self.port
        self.start("master", "org.apache.spark.deploy.master.Master", "--host", "127.0.0.1", "--port",
                   str(self.port), "--webui-port", str(free_port()))
        self.wait_for(self.port)
        for n in (1, 2):
            self.start("worker%d" % n, "org.apache.spark.deploy.worker.Worker", "--host", "127.0.0.1",
                       "--webui-port", str(free_port()), "--cores", "1", "--memory", "1g",
                       "--work-dir", os.path.join(work, "worker%d" % n), self.url)

    def start(self, name, main, *args):
        log = open(os.path.join(self.work, name + ".log"), "w")
        self.processes.append(subprocess.Popen([os.path.join(self.home, "bin", "spark-class"), main, *args],
                                               env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                               start_new_session=True))

    def wait_for(self, port):
        for _ in range(600):
            with socket.socket() as s:
                if s.connect_ex(("127.0.0.1", port)) == 0:
                    return
            time.sleep(0.1)
        raise SystemExit("the Spark master did not listen on %d within a minute" % port)

    def end(self):
        # A worker's executors are in its group.
        for p in self.processes:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(p.pid, signal.SIGTERM)
        for p in self.processes:
            with contextlib.suppress(subprocess.TimeoutExpired):
                p.wait(timeout=30)
            with contextlib.suppress(ProcessLookupError):
                os.killpg(p.pid, signal.SIGKILL)
            p.wait()


def listening_beyond_loopback():
    """The sockets this run's processes listen on at any address but
    127.0.0.1: each process carries the run's mark in its environment."""
    mark = ("QHJ_RUN_MARK=" + os.environ["QHJ_RUN_MARK"]).encode()
    ours = set()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as f:
                if mark not in f.read().split(b"\0"):
                    continue
            for fd in os.listdir("/proc/%s/fd" % pid):
                target = os.readlink("/proc/%s/fd/%s" % (pid, fd))
                if target.startswith("socket:["):
                    ours.add(target[8:-1])
        except OSError:
            pass  # gone, or not ours to read
    loopback = {"0100007F", "00000000000000000000000001000000", "0000000000000000FFFF00000100007F"}
    beyond = []
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        with open(table) as f:
            for row in f.readlines()[1:]:
                fields = row.split()
                if fields[3] == "0A" and fields[9] in ours and fields[1].split(":")[0] not in loopback:
                    beyond.append(fields[1])
    return beyond


def flink_jobs(java, work, sql_jar, core_jar, amounts):
    """The table through Flink's function in Flink's MiniCluster, as two jobs
    in one JVM (flink/FlinkJobs.java), from CSV, which Flink reads without
    Hadoop: what each job wrote, by id."""
    source = os.path.join(work, "vouchers.csv")
    with open(source, "w", encoding="utf-8") as f:
        f.writelines("%d,%s\n" % (i, "NULL" if a is None else format(a, "f")) for i, a in enumerate(amounts))
    out = os.path.join(work, "flink")
    subprocess.run(java + [source, out, sql_jar, core_jar], check=True)
    jobs = []
    for job in ("1", "2"):
        got = [None] * ROWS
        for part in os.listdir(os.path.join(out, job)):
            with open(os.path.join(out, job, part), encoding="utf-8", newline="") as f:
                for id, capitals in csv.reader(f):
                    got[int(id)] = None if capitals == "NULL" else capitals
        jobs.append(got)
    return jobs


def best_of(runs, job):
    times = []
    for _ in range(runs):
        started = time.perf_counter()
        job()
        times.append(time.perf_counter() - started)
    return min(times)


def main():
    work, sql_jar, core_jar, convert = sys.argv[1:5]
    bench = "--bench" in sys.argv[5:]
    # FlinkJobs' java command, which cluster_test.sh gives as one line.
    java = [part for part in os.environ["QHJ_FLINK_JAVA"].split("\t") if part]
    failures = []

    def check(what, ok, detail=""):
        print(("ok   " if ok else "FAIL ") + what + ("" if ok or not detail else "\n     " + detail), flush=True)
        if not ok:
            failures.append(what)

    def same_rows(what, path):
        got = pd.read_parquet(path).sort_values("id")["capitals"]
        same("%s, written back to Parquet and read by pandas" % what, [None if v is None or v != v else v for v in got])

    def same(what, got):
        wrong = [i for i in range(ROWS) if got[i] != expected[i]]
        check("%s: all %d rows as qinghejian-convert writes them" % (what, ROWS), not wrong,
              "; ".join("row %d, %s: %r, not %r" % (i, amounts[i], got[i], expected[i]) for i in wrong[:3]))

    table = os.path.join(work, "vouchers.parquet")
    amounts = vouchers(table)
    expected, companion_seconds = companion(convert, amounts, work)
    cluster = Cluster(work)
    try:
        from pyspark.sql import SparkSession

        spark = (SparkSession.builder.master(cluster.url).appName("qinghejian cluster test")
                 .config("spark.jars", core_jar + "," + sql_jar)
                 .config("spark.driver.host", "127.0.0.1").config("spark.driver.bindAddress", "127.0.0.1")
                 .config("spark.ui.enabled", "false").config("spark.ui.showConsoleProgress", "false")
                 .config("spark.driver.memory", "1g")
                 .config("spark.executor.memory", "768m").config("spark.executor.cores", "1")
                 .config("spark.cores.max", "2").config("spark.sql.shuffle.partitions", "4")
                 .config("spark.local.dir", os.path.join(work, "local"))
                 .config("spark.sql.warehouse.dir", os.path.join(work, "warehouse"))
                 .config("spark.hadoop.javax.jdo.option.ConnectionURL",
                         "jdbc:derby:;databaseName=%s;create=true" % os.path.join(work, "metastore"))
                 .config("spark.driver.extraJavaOptions", "-Dderby.system.home=" + work)
                 .enableHiveSupport().getOrCreate())
        spark.sparkContext.setLogLevel("FATAL")
        status = spark.sparkContext._jsc.sc().getExecutorMemoryStatus
        for _ in range(600):
            if status().size() >= 3:
                break
            time.sleep(0.1)
        check("two executors, a JVM each, beside the driver", status().size() == 3)
        check("nothing listens beyond 127.0.0.1", not listening_beyond_loopback(), str(listening_beyond_loopback()))
        spark.read.parquet(table).createOrReplaceTempView("vouchers")

        # Spark's own form, from the jar on the class path; then Hive's, from
        # CREATE FUNCTION … USING JAR: two jobs, one after the other, in the
        # same executors.
        spark.udf.registerJavaFunction("to_capitals", "org.example.qinghejian.sql.SparkToCapitals")
        spark.sql("SELECT id, to_capitals(amount) AS capitals FROM vouchers").write.parquet(os.path.join(work, "udf"))
        same_rows("Spark's UDF1", os.path.join(work, "udf"))
        spark.sql("CREATE TEMPORARY FUNCTION hive_to_capitals AS 'org.example.qinghejian.sql.HiveToCapitals'"
                  " USING JAR '%s', JAR '%s'" % (sql_jar, core_jar))
        spark.sql("SELECT id, hive_to_capitals(amount) AS capitals FROM vouchers").write.parquet(
            os.path.join(work, "hive"))
        same_rows("Hive's GenericUDF in Spark SQL", os.path.join(work, "hive"))

        def arrow_batches(batches):
            import qinghejian

            for batch in batches:
                yield pa.RecordBatch.from_arrays(
                    [batch.column(0), qinghejian.to_capitals_arrow(batch.column(1), errors="coerce")], ["id", "capitals"])

        spark.table("vouchers").mapInArrow(arrow_batches, "id long, capitals string").write.parquet(
            os.path.join(work, "arrow"))
        same_rows("the wheel's Arrow path in mapInArrow", os.path.join(work, "arrow"))

        spark.udf.registerJavaFunction("to_capitals_strict", "org.example.qinghejian.sql.strict.SparkToCapitals")
        try:
            spark.sql("SELECT to_capitals_strict(amount) FROM vouchers").collect()
            refused = ""
        except Exception as error:  # Py4J's or PySpark's, as the version has it
            refused = str(error)
        check("strict mode fails the query, saying why", "小数超过两位" in refused or "整数超过十六位" in refused,
              refused[:300])

        if bench:
            def query(column):
                return lambda: spark.sql("SELECT id, %s AS c FROM vouchers" % column).write.format("noop").mode(
                    "overwrite").save()

            ours, cast = best_of(3, query("to_capitals(amount)")), best_of(3, query("CAST(amount AS STRING)"))
            print("== Spark SQL over %d rows: to_capitals %.0f ms, CAST(amount AS STRING) %.0f ms: %.2f× (goal 1.5×)"
                  % (ROWS, ours * 1e3, cast * 1e3, ours / cast))
            column = pq.read_table(table).column("amount")
            arrow = best_of(3, lambda: qinghejian.to_capitals_arrow(column, errors="coerce"))
            print("== to_capitals_arrow on %d decimal128(38,18): %.0f ns an amount; qinghejian-convert %.0f ns: %.2f×"
                  " (goal 1.5×)" % (ROWS, arrow * 1e9 / ROWS, companion_seconds * 1e9 / ROWS, arrow / companion_seconds))
        # The driver's JVM ends with its gateway, not with the session.
        gateway = spark.sparkContext._gateway
        spark.stop()
        gateway.shutdown()
        if getattr(gateway, "proc", None):
            gateway.proc.stdin.close()
            gateway.proc.wait(timeout=60)
    finally:
        cluster.end()
    for job, got in enumerate(flink_jobs(java, work, sql_jar, core_jar, amounts), 1):
        same("Flink's ScalarFunction, job %d of 2 in one JVM" % job, got)
    if failures:
        raise SystemExit("%d checks failed" % len(failures))


if __name__ == "__main__":
    main()
