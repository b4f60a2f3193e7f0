align_dlg : dialog { 
    label="Alignment words";
        : button {
            key        = "b1" ;
            label      = "B1" ;
            width      = 84.6 ;
            height     =  1.9 ;
        }
        : button {
            key        = "b2" ;
            label      = "B2" ;
            width      = 84.6 ;
            height     =  1.9 ;
        }
        : button {
            key        = "b3" ;
            label      = "B3" ;
            width      = 84.6 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b4" ;
            label      = "B4" ;
            width      = 84.6 ;
            height     =  1.9 ;
            alignment     = left ;
        }
        : button {
            key        = "b5" ;
            label      = "B5" ;
            width      = 84.6 ;
            height     =  1.9 ;
            alignment     = right ;
        }
        :edit_box {
            key        = "e1" ;
            label      = "E1" ;
            value      = "" ;
            width      = 84.6 ;
            height     =  1.9 ;
            alignment     = left ;
        }
        :edit_box {
            key        = "e2" ;
            label      = "E2" ;
            value      = "" ;
            width      = 84.6 ;
            height     =  1.9 ;
            alignment     = right ;
        }
        :edit_box {
            key        = "e3" ;
            label      = "E3" ;
            value      = "" ;
            width      = 84.6 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : image {
            key        = "i1" ;
            width      = 84.6 ;
            height     =  2.7 ;
            color     = black ;
            alignment     = left ;
            is_tab_stop = false ;
        }
        : image {
            key        = "i2" ;
            width      = 84.6 ;
            height     =  2.7 ;
            color     = black ;
            alignment     = right ;
            is_tab_stop = false ;
        }
        : image {
            key        = "i3" ;
            width      = 84.6 ;
            height     =  2.7 ;
            color     = black ;
            alignment     = centered ;
            is_tab_stop = false ;
        }
        : column {
            key        = "col1" ;
            alignment     = left ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = left ;
            : button {
                key        = "b6" ;
                label      = "B6" ;
                width      = 83.4 ;
                height     =  1.9 ;
            }
            : button {
                key        = "b7" ;
                label      = "B7" ;
                width      = 83.4 ;
                height     =  1.9 ;
            }
            : button {
                key        = "b8" ;
                label      = "B8" ;
                width      = 83.4 ;
                height     =  1.9 ;
                alignment     = centered ;
            }
            : button {
                key        = "b9" ;
                label      = "B9" ;
                width      = 83.4 ;
                height     =  1.9 ;
                alignment     = left ;
            }
            : button {
                key        = "b10" ;
                label      = "B10" ;
                width      = 83.4 ;
                height     =  1.9 ;
                alignment     = right ;
            }
        }
        : row {
            key        = "row1" ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = top ;
            : button {
                key        = "b11" ;
                label      = "B11" ;
                width      = 11.4 ;
                height     =  3.5 ;
                alignment     = top ;
            }
            : button {
                key        = "b12" ;
                label      = "B12" ;
                width      = 11.4 ;
                height     =  3.5 ;
                alignment     = bottom ;
            }
            : button {
                key        = "b13" ;
                label      = "B13" ;
                width      = 11.4 ;
                height     =  3.5 ;
                alignment     = centered ;
            }
            : button {
                key        = "b14" ;
                label      = "B14" ;
                width      = 11.4 ;
                height     =  3.5 ;
            }
            : button {
                key        = "b15" ;
                label      = "B15" ;
                width      = 11.4 ;
                height     =  3.5 ;
            }
            :edit_box {
                key        = "e4" ;
                label      = "E4" ;
                value      = "" ;
                width      = 26.4 ;
                height     =  3.5 ;
            }
            :edit_box {
                key        = "e5" ;
                label      = "E5" ;
                value      = "" ;
                width      = 26.4 ;
                height     =  3.5 ;
            }
            :edit_box {
                key        = "e6" ;
                label      = "E6" ;
                value      = "" ;
                width      = 26.4 ;
                height     =  3.5 ;
                alignment     = centered ;
            }
            : image {
                key        = "i4" ;
                width      = 14.3 ;
                height     =  3.5 ;
                color     = black ;
                is_tab_stop = false ;
            }
            : image {
                key        = "i5" ;
                width      = 14.3 ;
                height     =  3.5 ;
                color     = black ;
                is_tab_stop = false ;
            }
            : image {
                key        = "i6" ;
                width      = 14.3 ;
                height     =  3.5 ;
                color     = black ;
                alignment     = centered ;
                is_tab_stop = false ;
            }
            : column {
                key        = "col2" ;
                alignment     = top ;
                width      = 14.3 ;
                height     =  3.5 ;
            }
            : column {
                key        = "col3" ;
                alignment     = bottom ;
                width      = 14.3 ;
                height     =  3.5 ;
            }
            : column {
                key        = "col4" ;
                alignment     = centered ;
                width      = 14.3 ;
                height     =  3.5 ;
                children_alignment = centered ;
            }
            : column {
                key        = "col5" ;
                width      = 14.3 ;
                height     =  3.5 ;
                children_alignment = left ;
            }
            : column {
                key        = "col6" ;
                width      = 14.3 ;
                height     =  3.5 ;
                children_alignment = right ;
            }
            : boxed_column {
                key        = "gcol1" ;
                label      = "Box" ;
                width      = 21.4 ;
                height     =  3.5 ;
                children_alignment = left ;
            }
            : boxed_column {
                key        = "gcol2" ;
                label      = "Box" ;
                width      = 21.4 ;
                height     =  3.5 ;
                children_alignment = right ;
            }
            : boxed_column {
                key        = "gcol3" ;
                label      = "Box" ;
                alignment     = centered ;
                width      = 21.4 ;
                height     =  3.5 ;
                children_alignment = centered ;
            }
        }
        : row {
            key        = "row2" ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = bottom ;
        }
        : row {
            key        = "row3" ;
            alignment     = centered ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = centered ;
        }
        : row {
            key        = "row4" ;
            alignment     = left ;
            width      = 84.6 ;
            height     =  4.0 ;
        }
        : row {
            key        = "row5" ;
            alignment     = right ;
            width      = 84.6 ;
            height     =  4.0 ;
        }
        : boxed_column {
            key        = "gcol4" ;
            label      = "Box" ;
            alignment     = left ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = left ;
        }
        : boxed_column {
            key        = "gcol5" ;
            label      = "Box" ;
            alignment     = right ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = right ;
        }
        : boxed_column {
            key        = "gcol6" ;
            label      = "Box" ;
            alignment     = centered ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = centered ;
        }
        : boxed_row {
            key        = "grow1" ;
            label      = "Box" ;
            alignment     = left ;
            width      = 84.6 ;
            height     =  4.0 ;
            : image {
                key        = "i7" ;
                width      = 14.3 ;
                height     =  2.9 ;
                color     = black ;
                is_tab_stop = false ;
            }
            : image {
                key        = "i8" ;
                width      = 14.3 ;
                height     =  2.9 ;
                color     = black ;
                is_tab_stop = false ;
            }
            : image {
                key        = "i9" ;
                width      = 14.3 ;
                height     =  2.9 ;
                color     = black ;
                alignment     = centered ;
                is_tab_stop = false ;
            }
        }
        : boxed_row {
            key        = "grow2" ;
            label      = "Box" ;
            alignment     = right ;
            width      = 84.6 ;
            height     =  4.0 ;
        }
        : boxed_row {
            key        = "grow3" ;
            label      = "Box" ;
            alignment     = centered ;
            width      = 84.6 ;
            height     =  4.0 ;
            children_alignment = centered ;
        }
ok_cancel_help;
}
