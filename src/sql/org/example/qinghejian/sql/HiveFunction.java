package org.example.qinghejian.sql;

import org.apache.hadoop.hive.common.type.HiveChar;
import org.apache.hadoop.hive.common.type.HiveDecimal;
import org.apache.hadoop.hive.common.type.HiveVarchar;
import org.apache.hadoop.hive.ql.exec.UDFArgumentException;
import org.apache.hadoop.hive.ql.exec.UDFArgumentLengthException;
import org.apache.hadoop.hive.ql.exec.UDFArgumentTypeException;
import org.apache.hadoop.hive.ql.metadata.HiveException;
import org.apache.hadoop.hive.ql.udf.generic.GenericUDF;
import org.apache.hadoop.hive.serde2.objectinspector.ObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.PrimitiveObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.PrimitiveObjectInspector.PrimitiveCategory;

/**
 * What the Hive functions share: their arguments, checked when the query is planned and read as
 * plain Java values, and null for null. Hive, Spark SQL and Flink's Hive module run them alike.
 */
abstract class HiveFunction extends GenericUDF {
    /** Whether a value the library refuses fails the query, rather than giving null. */
    final boolean strict;

    private transient PrimitiveObjectInspector[] inputs;

    HiveFunction(boolean strict) {
        this.strict = strict;
    }

    /** The fewest and the most arguments the function takes. */
    abstract int[] arity();

    /** The function's result, as Hive inspects it, once the arguments are checked. */
    abstract ObjectInspector result(ObjectInspector[] arguments) throws UDFArgumentException;

    /** The function's name, as a query shows it. */
    abstract String name();

    @Override
    public final ObjectInspector initialize(ObjectInspector[] arguments) throws UDFArgumentException {
        int[] arity = arity();
        if (arguments.length < arity[0] || arguments.length > arity[1]) {
            throw new UDFArgumentLengthException(name() + " takes " + (arity[0] == arity[1] ? "" + arity[0]
                    : arity[0] + " or " + arity[1]) + " arguments, not " + arguments.length);
        }
        inputs = new PrimitiveObjectInspector[arguments.length];
        for (int i = 0; i < arguments.length; ++i) {
            if (!(arguments[i] instanceof PrimitiveObjectInspector)) {
                throw new UDFArgumentTypeException(i, name() + " takes values, not " + arguments[i].getTypeName());
            }
            inputs[i] = (PrimitiveObjectInspector) arguments[i];
        }
        return result(arguments);
    }

    /** Argument {@code i} as a Java value: BigDecimal, String, Long and the rest, a date as text; or null. */
    final Object value(DeferredObject[] arguments, int i) throws HiveException {
        Object raw = arguments[i].get();
        Object value = raw == null ? null : inputs[i].getPrimitiveJavaObject(raw);
        if (value instanceof HiveDecimal) {
            return ((HiveDecimal) value).bigDecimalValue();
        }
        if (value instanceof HiveVarchar) {
            return ((HiveVarchar) value).getValue();
        }
        if (value instanceof HiveChar) {
            return ((HiveChar) value).getStrippedValue();
        }
        // Hive 3 has a DATE type of its own and Hive 2, which Spark carries,
        // java.sql.Date; each writes itself as 2026-10-20.
        if (value != null && inputs[i].getPrimitiveCategory() == PrimitiveCategory.DATE) {
            return value.toString();
        }
        return value;
    }

    /** Argument {@code i} as text, for the capitals a function reads. */
    final String text(DeferredObject[] arguments, int i) throws HiveException {
        Object value = value(arguments, i);
        return value == null ? null : value.toString();
    }

    @Override
    public String getDisplayString(String[] children) {
        return getStandardDisplayString(name(), children);
    }
}
