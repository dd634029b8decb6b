import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;

import com.fasterxml.jackson.databind.ObjectMapper;
import java.io.File;
import java.math.BigDecimal;
import java.time.LocalDate;
import java.util.List;
import java.util.Map;
import java.util.stream.Stream;
import org.apache.hadoop.hive.common.type.HiveDecimal;
import org.apache.hadoop.hive.ql.udf.generic.GenericUDF;
import org.apache.hadoop.hive.ql.udf.generic.GenericUDF.DeferredJavaObject;
import org.apache.hadoop.hive.ql.udf.generic.GenericUDF.DeferredObject;
import org.apache.hadoop.hive.serde2.objectinspector.ObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.primitive.JavaConstantStringObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.primitive.PrimitiveObjectInspectorFactory;
import org.apache.hadoop.hive.serde2.typeinfo.TypeInfoFactory;
import org.example.qinghejian.AmountFormatException;
import org.example.qinghejian.sql.FlinkCheckPair;
import org.example.qinghejian.sql.FlinkChequeDate;
import org.example.qinghejian.sql.FlinkFromCapitals;
import org.example.qinghejian.sql.FlinkToCapitals;
import org.example.qinghejian.sql.HiveCheckPair;
import org.example.qinghejian.sql.HiveChequeDate;
import org.example.qinghejian.sql.HiveFromCapitals;
import org.example.qinghejian.sql.HiveToCapitals;
import org.example.qinghejian.sql.SparkCheckPair;
import org.example.qinghejian.sql.SparkChequeDate;
import org.example.qinghejian.sql.SparkFromCapitals;
import org.example.qinghejian.sql.SparkToCapitals;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * The shared table through each engine's functions, as the engine hands them values: a number of the
 * table as a DECIMAL, text as a string; a refusal null, or in strict mode the library's error.
 */
class SqlFunctionsTest {
    @SuppressWarnings("unchecked")
    static final Map<String, List<List<Object>>> CASES = read();

    @SuppressWarnings("unchecked")
    static Map<String, List<List<Object>>> read() {
        try {
            return new ObjectMapper().readValue(new File(System.getenv("QHJ_CASES")), Map.class);
        } catch (java.io.IOException e) {
            throw new java.io.UncheckedIOException(e);
        }
    }

    interface Shape {
        Object call(boolean strict, Object value, String form) throws Exception;
    }

    // Each engine's to_capitals, and whether it takes a form.
    static final Shape HIVE = (strict, value, form) -> hive(
            strict ? new org.example.qinghejian.sql.strict.HiveToCapitals() : new HiveToCapitals(), value, form);
    static final Shape SPARK = (strict, value, form) ->
            (strict ? new org.example.qinghejian.sql.strict.SparkToCapitals() : new SparkToCapitals()).call(value);
    static final Shape FLINK = (strict, value, form) -> {
        FlinkToCapitals f = strict ? new org.example.qinghejian.sql.strict.FlinkToCapitals() : new FlinkToCapitals();
        return form == null ? f.eval(value) : f.eval(value, form);
    };

    static Stream<Object[]> toCapitals() {
        return cases("toCapitals");
    }

    static Stream<Object[]> toCapitalsErrors() {
        return cases("toCapitalsErrors");
    }

    static Stream<Object[]> cases(String table) {
        return CASES.get(table).stream().flatMap(c -> Stream.of(new Object[] {"hive", HIVE, c},
                new Object[] {"spark", SPARK, c}, new Object[] {"flink", FLINK, c}))
                .filter(run -> !run[0].equals("spark") || ((List<?>) run[2]).get(1) == null);
    }

    // The table's number as the DECIMAL column a database would hold it in.
    static Object sqlValue(Object figures) {
        return figures instanceof String ? figures : new BigDecimal(figures.toString());
    }

    @ParameterizedTest(name = "{0} {2}") @MethodSource
    void toCapitals(String engine, Shape shape, List<Object> c) throws Exception {
        for (boolean strict : new boolean[] {false, true}) {
            assertEquals(c.get(2), shape.call(strict, sqlValue(c.get(0)), (String) c.get(1)));
        }
    }

    @ParameterizedTest(name = "{0} {2}") @MethodSource
    void toCapitalsErrors(String engine, Shape shape, List<Object> c) throws Exception {
        assertNull(shape.call(false, sqlValue(c.get(0)), (String) c.get(1)));
        assertEquals(c.get(2), assertThrows(AmountFormatException.class,
                () -> shape.call(true, sqlValue(c.get(0)), (String) c.get(1))).getMessage());
    }

    @Test
    void nullGivesNull() throws Exception {
        for (Shape shape : new Shape[] {HIVE, SPARK, FLINK}) {
            assertNull(shape.call(true, null, null));
        }
        assertNull(hive(new HiveFromCapitals(), null, null));
        assertNull(new SparkChequeDate().call(null));
    }

    @Test
    void otherFunctions() throws Exception {
        for (List<Object> c : CASES.get("fromCapitals")) {
            BigDecimal expected = new BigDecimal((String) c.get(1));
            assertEquals(0, expected.compareTo(((HiveDecimal) hive(new HiveFromCapitals(), c.get(0), null)).bigDecimalValue()));
            assertEquals(expected, new SparkFromCapitals().call((String) c.get(0)));
            assertEquals(expected, new FlinkFromCapitals().eval((String) c.get(0)));
        }
        for (List<Object> c : CASES.get("chequeDate")) {
            assertEquals(c.get(1), hive(new HiveChequeDate(), c.get(0), null));
            assertEquals(c.get(1), new SparkChequeDate().call(c.get(0)));
            assertEquals(c.get(1), new FlinkChequeDate().eval(c.get(0)));
        }
        for (List<Object> c : CASES.get("checkPair")) {
            assertEquals(c.get(2), hive(new HiveCheckPair(), c.get(0), c.get(1)));
            assertEquals(c.get(2), new SparkCheckPair().call(c.get(0), (String) c.get(1)));
            assertEquals(c.get(2), new FlinkCheckPair().eval(c.get(0), (String) c.get(1)));
        }
        // Figures from a DECIMAL(38,18) column, its zeros past 分 the same amount.
        assertEquals("一致", new SparkCheckPair().call(new BigDecimal("1409.500000000000000000"), "壹仟肆佰零玖元伍角整"));
        // A DATE column, as Spark and Flink hand it over.
        assertEquals("贰零贰陆年零壹拾月零贰拾日", new SparkChequeDate().call(java.sql.Date.valueOf("2026-10-20")));
        assertEquals("贰零贰陆年零壹拾月零贰拾日", new FlinkChequeDate().eval(LocalDate.of(2026, 10, 20)));
        HiveChequeDate hive = new HiveChequeDate();
        hive.initialize(new ObjectInspector[] {PrimitiveObjectInspectorFactory.javaDateObjectInspector});
        assertEquals("贰零贰陆年零壹拾月零贰拾日", hive.evaluate(new DeferredObject[] {
                new DeferredJavaObject(org.apache.hadoop.hive.common.type.Date.of(2026, 10, 20))}));
        for (List<Object> c : CASES.get("chequeDateErrors")) {
            assertNull(new FlinkChequeDate().eval(c.get(0)));
            assertEquals(c.get(1), assertThrows(AmountFormatException.class,
                    () -> hive(new org.example.qinghejian.sql.strict.HiveChequeDate(), c.get(0), null)).getMessage());
        }
    }

    // The function as Hive runs it: planned with the argument's type and the
    // second, a form or capitals, as a constant, then called on the value.
    static Object hive(GenericUDF udf, Object value, Object second) throws Exception {
        // A DECIMAL column wide enough for the value, as Hive would type it.
        ObjectInspector type = value instanceof BigDecimal
                ? PrimitiveObjectInspectorFactory.getPrimitiveJavaObjectInspector(TypeInfoFactory.getDecimalTypeInfo(38,
                        Math.max(0, ((BigDecimal) value).scale())))
                : PrimitiveObjectInspectorFactory.javaStringObjectInspector;
        Object given = value instanceof BigDecimal ? HiveDecimal.create((BigDecimal) value) : value;
        ObjectInspector[] types = second == null ? new ObjectInspector[] {type} : new ObjectInspector[] {type,
                new JavaConstantStringObjectInspector((String) second)};
        udf.initialize(types);
        return udf.evaluate(new DeferredObject[] {new DeferredJavaObject(given), new DeferredJavaObject(second)});
    }
}
