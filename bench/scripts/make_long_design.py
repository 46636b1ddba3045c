#!/usr/bin/env python3
"""Writes long_design.cvs: a long session of design work in one run.

The nine-group design of the chain benchmark is typed once, taken through
core, bobbin, winding structure and cost, then reworked round after round:
output groups retyped, the core stack and grade changed, the bobbin type
clicked through its three kinds and its records stepped, winding-table cells
edited with both runs, the cost form reapplied and the wire tools used. The
values cycle, so every round does real recalculation work.

    python3 bench/scripts/make_long_design.py > bench/scripts/long_design.cvs
    python3 bench/scripts/make_long_design.py --chain > bench/scripts/design_chain.cvs

With --chain it writes only the one design, with both runs and the cost
form: the unit of the batch throughput (designs per second).
"""

import sys

ROUNDS = 25

VOLTS = ["5", "12", "15", "24", "9", "6.3", "18", "3.3", "48"]
AMPS = ["1", "0.5", "0.3", "0.2", "0.4", "1.2", "0.25", "0.8", "0.1"]
CIRCUITS = ["全桥电容", "全桥电容", "全波电容", "全桥电阻", "半波电容",
            "无", "全桥电容", "全桥电容", "全波电阻"]
GRADES = ["50H800", "50H600", "50H1000", "50H470"]
STACKS = ["44", "40", "48", "44", "52"]
WIRES = ["0.5", "0.6", "0.8", "1.0", "0.35", "1.2"]
AWGS = ["20", "22", "24", "18", "26"]


def out(line):
    print(line)


def set_and_enter(field, value):
    """Types a value into a field and presses Enter, as a designer does."""
    out(f"set {field} {value}")
    out(f"enter {field}")


def design():
    out("today 2026-12-09")
    out("now 09:30:00")
    out("click MDIForm1.NEW")
    out("click Frmeledata.Chkp")
    out("set Frmeledata.TXTUIN1 115")
    out("set Frmeledata.TXTUIN2 115")
    for g in range(9):
        set_and_enter(f"Frmeledata.txtudc({g})", VOLTS[g])
        set_and_enter(f"Frmeledata.txtidc({g})", AMPS[g])
        out(f"choose Frmeledata.CMBZL({g}) {CIRCUITS[g]}")
        out(f"choose Frmeledata.cmbdio({g}) {'硅管' if g % 3 == 0 else '锗管'}")
        if g < 8:
            out("answer yes")
        out(f"enter Frmeledata.txtspo({g})")
    out("click Frmeledata.cmdcore")
    standard_lamination("50H800", "44")
    out("click Frmcore.CMDBB")
    out("click Frmbobbin.Option1")
    out("click Frmbobbin.cmdele")
    out("click Frmeledata.CMDJIEDOU")
    out('dblclick Frmjiegou."圈数Ts"')
    out('click Frmjiegou."股数P"')
    out('dblclick Frmjiegou."线径mm"')
    out('click Frmjiegou."材料清单"')
    out('click FrmBomList."应用"')
    out("click MDIForm1.Tools")


def electrical(r):
    out("show Frmeledata")
    for k in range(3):
        g = (r + 4 * k) % 9
        v = float(VOLTS[g]) * (1 + 0.05 * ((r + k) % 4))
        set_and_enter(f"Frmeledata.txtudc({g})", f"{v:g}")
        a = float(AMPS[g]) * (1 + 0.1 * ((r + 2 * k) % 3))
        out(f"type Frmeledata.txtidc({g}) {a:g}")
        out(f"enter Frmeledata.txtidc({g})")
        out(f"enter Frmeledata.txtsuac({g})")
        out(f"enter Frmeledata.txtsiac({g})")
    out(f"print Frmeledata.txtpo")
    out(f"print Frmeledata.TXTIIN")


def standard_lamination(grade, stack):
    """The grade, the standard EI-66 lamination and the stack (mm)."""
    out(f"choose Frmcore.Cmbnew {grade}")
    out("click Frmcore.OPTB")
    out("set Frmcore.txtautocore 66")
    set_and_enter("Frmcore.TxtB", stack)


def core(r):
    out("click Frmeledata.cmdcore")
    standard_lamination(GRADES[r % len(GRADES)], STACKS[r % len(STACKS)])
    out("print Frmcore.TxtBm")
    out("print Frmcore.TxtTurnPri")
    out("click Frmcore.CMDBB")


def bobbin(r):
    for option in ["OPTG", "OPTW", "Option1", "OPTG", "Option1"]:
        out(f"click Frmbobbin.{option}")
        out("print Frmbobbin.Data1Pos")
    out("click Frmbobbin.Data1Next")
    out("click Frmbobbin.Data1Last")
    out("click Frmbobbin.Data1First")
    out("set Frmbobbin.Text8 EI-66*")
    out("set Frmbobbin.Text8 EI-66*4")
    set_and_enter("Frmbobbin.TxtTurn", 100 + 10 * (r % 5))
    out("print Frmbobbin.Text5")
    out("click Frmbobbin.cmdele")


def structure(r):
    out("click Frmeledata.CMDJIEDOU")
    for k in range(4):
        row = (r + 3 * k) % 11
        set_and_enter(f"Frmjiegou.TXTTURN({row})", 20 + (r * 7 + k * 13) % 60)
        set_and_enter(f"Frmjiegou.TXTQ({row})", 1 + (r + k) % 3)
        set_and_enter(f"Frmjiegou.TXTWIRE({row})", WIRES[(r + k) % len(WIRES)])
    out(f"choose Frmjiegou.CmbTapeL {2 + r % 3}")
    out('click Frmjiegou."负载运行"')
    out('click Frmjiegou."空载运行"')
    out("print Frmjiegou.TXTTEMP")
    out("print Frmjiegou.TxtI0")


def cost(r):
    out('click Frmjiegou."材料清单"')
    out('click FrmBomList."应用"')
    out('click FrmBomList."成本"')
    out(f"set FrmBomList.TxtLeadLeng(1) {200 + 20 * (r % 6)}")
    out("print FrmBomList.TxtSelsCost")


def wire_tools(r):
    out("show FrmWireTools")
    for k in range(6):
        set_and_enter("FrmWireTools.TxtWireD", WIRES[(r + k) % len(WIRES)])
        out("print FrmWireTools.TxtWireOM")
    for k in range(3):
        set_and_enter("FrmWireTools.TxtAwg", AWGS[(r + k) % len(AWGS)])
        set_and_enter("FrmWireTools.TxtJ", 3 + (r + k) % 4)
        out("print FrmWireTools.TxtI")
    set_and_enter("FrmWireTools.TxtF", 50 + 10 * (r % 2))
    set_and_enter("FrmWireTools.TxtLitzD", "0.1")
    out(f"set FrmWireTools.TxtFoilS {1 + r % 4}")
    set_and_enter("FrmWireTools.TxtFoilTh", "0.1")
    out(f"choose FrmWireTools.CmbWire #{r % 4}")
    out("tick FrmWireTools.Tim1")


def chain():
    print("# One whole design, written by make_long_design.py --chain.")
    design()
    out('click Frmjiegou."负载运行"')
    out('click Frmjiegou."空载运行"')
    out('click FrmBomList."成本"')
    out("print FrmBomList.TxtSelsCost")


def main():
    if sys.argv[1:] == ["--chain"]:
        chain()
        return
    print("# A long session of design work, written by make_long_design.py:")
    print("# one design through every form, then reworked round after round.")
    design()
    for r in range(ROUNDS):
        electrical(r)
        core(r)
        bobbin(r)
        structure(r)
        cost(r)
        wire_tools(r)
    out("dump Frmeledata")
    out("dump Frmcore")
    out("dump Frmbobbin")
    out("dump Frmjiegou")
    out("dump FrmBomList")
    out("dump FrmWireTools")
    out("messages")


if __name__ == "__main__":
    main()
