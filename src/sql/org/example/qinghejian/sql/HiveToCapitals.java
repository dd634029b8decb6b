package org.example.qinghejian.sql;

import org.apache.hadoop.hive.ql.exec.Description;
import org.apache.hadoop.hive.ql.exec.UDFArgumentException;
import org.apache.hadoop.hive.ql.exec.UDFArgumentTypeException;
import org.apache.hadoop.hive.ql.metadata.HiveException;
import org.apache.hadoop.hive.ql.udf.UDFType;
import org.apache.hadoop.hive.serde2.objectinspector.ConstantObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.ObjectInspector;
import org.apache.hadoop.hive.serde2.objectinspector.primitive.PrimitiveObjectInspectorFactory;
import org.example.qinghejian.Form;

/** to_capitals(amount [, form]): an amount in capitals, or null where it cannot be written whole. */
@Description(name = "to_capitals", value = "_FUNC_(amount [, form]) - the amount in Chinese capital numerals",
        extended = "amount is a DECIMAL of any scale, an integer, a DOUBLE or a string; form is 'standard',"
                + " 'rmb' or 'window'.\nExample:\n  > SELECT _FUNC_(1409.50);\n  壹仟肆佰零玖元伍角整")
@UDFType(deterministic = true)
public class HiveToCapitals extends HiveFunction {
    private static final long serialVersionUID = 1L;

    private Form form = Form.STANDARD;

    public HiveToCapitals() {
        this(false);
    }

    protected HiveToCapitals(boolean strict) {
        super(strict);
    }

    @Override
    int[] arity() {
        return new int[] {1, 2};
    }

    @Override
    String name() {
        return "to_capitals";
    }

    @Override
    ObjectInspector result(ObjectInspector[] arguments) throws UDFArgumentException {
        if (arguments.length == 2) {
            if (!(arguments[1] instanceof ConstantObjectInspector)) {
                throw new UDFArgumentTypeException(1, "to_capitals takes its form as a constant: 'standard', 'rmb' or 'window'");
            }
            Object name = ((ConstantObjectInspector) arguments[1]).getWritableConstantValue();
            try {
                form = SqlValues.form(name == null ? null : name.toString());
            } catch (IllegalArgumentException e) {
                throw new UDFArgumentTypeException(1, e.getMessage());
            }
        }
        return PrimitiveObjectInspectorFactory.javaStringObjectInspector;
    }

    @Override
    public Object evaluate(DeferredObject[] arguments) throws HiveException {
        return SqlValues.toCapitals(value(arguments, 0), form, strict);
    }
}
