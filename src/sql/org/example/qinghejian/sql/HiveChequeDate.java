package org.example.qinghejian.sql;

import org.apache.hadoop.hive.ql.exec.Description;
import org.apache.hadoop.hive.ql.metadata.HiveException;
import org.apache.hadoop.hive.ql.udf.UDFType;
import org.apache.hadoop.hive.serde2.objectinspector.ObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.primitive.PrimitiveObjectInspectorFactory;

/** cheque_date(date): a cheque's date of issue in capitals, from a DATE or a string. */
@Description(name = "cheque_date", value = "_FUNC_(date) - a cheque's date of issue in Chinese capital numerals")
@UDFType(deterministic = true)
public class HiveChequeDate extends HiveFunction {
    private static final long serialVersionUID = 1L;

    public HiveChequeDate() {
        this(false);
    }

    protected HiveChequeDate(boolean strict) {
        super(strict);
    }

    @Override
    int[] arity() {
        return new int[] {1, 1};
    }

    @Override
    String name() {
        return "cheque_date";
    }

    @Override
    ObjectInspector result(ObjectInspector[] arguments) {
        return PrimitiveObjectInspectorFactory.javaStringObjectInspector;
    }

    @Override
    public Object evaluate(DeferredObject[] arguments) throws HiveException {
        return SqlValues.chequeDate(value(arguments, 0), strict);
    }
}
