package org.example.qinghejian.sql;

import org.apache.hadoop.hive.ql.exec.Description;
import org.apache.hadoop.hive.ql.metadata.HiveException;
import org.apache.hadoop.hive.ql.udf.UDFType;
import org.apache.hadoop.hive.serde2.objectinspector.ObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.primitive.PrimitiveObjectInspectorFactory;

/** check_pair(figures, capitals): whether they say the same amount, and which payment rules the capitals break. */
@Description(name = "check_pair", value = "_FUNC_(figures, capitals) - the verdict on an amount written twice, as one line")
@UDFType(deterministic = true)
public class HiveCheckPair extends HiveFunction {
    private static final long serialVersionUID = 1L;

    public HiveCheckPair() {
        super(false);
    }

    @Override
    int[] arity() {
        return new int[] {2, 2};
    }

    @Override
    String name() {
        return "check_pair";
    }

    @Override
    ObjectInspector result(ObjectInspector[] arguments) {
        return PrimitiveObjectInspectorFactory.javaStringObjectInspector;
    }

    @Override
    public Object evaluate(DeferredObject[] arguments) throws HiveException {
        return SqlValues.checkPair(value(arguments, 0), text(arguments, 1));
    }
}
