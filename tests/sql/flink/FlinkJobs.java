import org.apache.flink.table.api.EnvironmentSettings;
import org.apache.flink.table.api.TableEnvironment;

/**
 * The vouchers through qinghejian-sql's Flink function in Flink's own MiniCluster, twice, as two jobs
 * one after the other in this JVM: each job loads the function's jars in a user-code class loader of
 * its own, and so loads the native library once for each.
 *
 *   FlinkJobs VOUCHERS_CSV OUT SQL_JAR CORE_JAR    writes OUT/1 and OUT/2
 */
public class FlinkJobs {
    public static void main(String[] args) throws Exception {
        String vouchers = args[0], out = args[1], sqlJar = args[2], coreJar = args[3];
        try {
            Class.forName("org.example.qinghejian.Capitals");
            throw new IllegalStateException("the library is on this program's class path, where no job's loader would load it");
        } catch (ClassNotFoundException expected) {
            // the jobs load it from the jars alone
        }
        TableEnvironment flink = TableEnvironment.create(EnvironmentSettings.inBatchMode());
        String csv = "'format' = 'csv', 'csv.null-literal' = 'NULL'";
        flink.executeSql("CREATE TABLE vouchers (id BIGINT, amount DECIMAL(38, 18)) WITH ('connector' = 'filesystem',"
                + " 'path' = 'file://" + vouchers + "', " + csv + ")");
        flink.executeSql("CREATE FUNCTION to_capitals AS 'org.example.qinghejian.sql.FlinkToCapitals'"
                + " USING JAR 'file://" + sqlJar + "', JAR 'file://" + coreJar + "'");
        for (int job = 1; job <= 2; ++job) {
            flink.executeSql("CREATE TABLE capitals" + job + " (id BIGINT, capitals STRING) WITH ('connector' = 'filesystem',"
                    + " 'path' = 'file://" + out + "/" + job + "', " + csv + ")");
            flink.executeSql("INSERT INTO capitals" + job + " SELECT id, to_capitals(amount) FROM vouchers").await();
        }
    }
}
